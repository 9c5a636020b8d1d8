#pragma once

#include "cli/cli_args.h"
#include "cli/cli_context.h"

namespace ruvo::cli {

int runDump(const ParsedArgs& args, const CliContext& context);
int runConvert(const ParsedArgs& args, const CliContext& context);
int runRender(const ParsedArgs& args, const CliContext& context);
int runSettings(const ParsedArgs& args, const CliContext& context);
int runBank(const ParsedArgs& args, const CliContext& context);

}  // namespace ruvo::cli
