#pragma once
// Path text helpers. Paths the program builds use '/', but paths that come
// from project files may hold Windows backslashes; both count as separators
// when a path is taken apart.

#include <string>
#include <string_view>

namespace ruvo {

// Everything before the last separator ("" when there is none).
std::string folderOf(std::string_view path);
// Everything after the last separator.
std::string fileNameOf(std::string_view path);
// The file name without its last extension ("song.bat" -> "song").
std::string baseNameOf(std::string_view path);
// The extension from the last '.' of the file name, dot included ("" if none).
std::string extensionOf(std::string_view path);
// folder + '/' + name; the name alone when the folder is empty.
std::string joinPath(std::string_view folder, std::string_view name);
// Backslashes turned into '/' so that a Windows-style path opens here.
std::string nativePath(std::string_view path);
// A path named relative to `folder` (a project's, a script's, the program's):
// made native, and joined to the folder unless it is absolute or empty.
std::string resolvePath(std::string_view folder, std::string_view path);
// Case-insensitive (ASCII) suffix test, as file extensions are compared.
bool endsWithNoCase(std::string_view text, std::string_view suffix);
bool equalsNoCase(std::string_view a, std::string_view b);
// True when a name taken from a file (a recording of oto.ini, a lyric used
// as a file name) stays inside the folder it is joined to: not absolute (no
// leading separator, no drive letter) and no ".." component. Subfolders are
// fine ("A3/あ.wav").
bool staysInsideFolder(std::string_view relativeName);

}  // namespace ruvo
