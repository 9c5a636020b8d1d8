#pragma once
// The texts the Qt-free logic hands the screen (messages, questions, input
// prompts, file filters, undo captions, the window title) are written in
// Japanese. logicText() shows one in the language of the installed
// translators: each line is looked up in the "LogicText" catalogue, either
// as a whole or as a pattern with %1, %2 for the parts the logic fills in
// (a path, a count, a lyric). A line the catalogue does not know, and every
// filled-in part, is shown as it is.

#include <string>
#include <string_view>
#include <vector>

#include <QString>

namespace ruvo::gui {

QString logicText(std::string_view text);
QString logicText(const char* text);
QString logicText(const QString& text);

// The source texts of the catalogue, for the check that each is translated.
std::vector<const char*> logicCatalogue();

}  // namespace ruvo::gui
