#include "support/test_bank.h"

#include "support/run_process.h"
#include "support/temp_folder.h"

namespace ruvo::testing {

const TestBank& testBank(const std::string& sourceDir, const std::string& binDir) {
  static TempFolder folder("ruvo_test_bank");
  static const TestBank bank = [&] {
    auto made = runProcess("/bin/bash", {sourceDir + "/voicebanks/make_test_bank.sh", folder.path(), binDir});
    return made.status == 0 ? TestBank{folder.path(), ""} : TestBank{"", made.err};
  }();
  return bank;
}

}  // namespace ruvo::testing
