// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace telvorin {

// The GTK bookmarks file, read by the file managers and file dialogs of GTK desktops:
// one place per line, its URI, then optionally a space and a label. A drive letter shows
// there as the file:// URI of its link and a label that begins with the letter. Every
// other line is the user's and is kept byte for byte.
namespace bookmarks {

// ${XDG_CONFIG_HOME:-$HOME/.config}/gtk-3.0/bookmarks
std::string DefaultPath();

// The file:// URI of a local absolute path, escaped as GTK writes it.
std::string FileUri(const std::string& path);

// The text with `uri` as one line labelled `label`: a line of that URI is replaced in
// place (the first one; later ones go), otherwise the line is appended.
std::string WithBookmark(const std::string& text, const std::string& uri, const std::string& label);
// The text without any line of `uri`.
std::string WithoutBookmark(const std::string& text, const std::string& uri);

// Adds or removes the line in the file at `path`, replacing the file atomically (a
// temporary file beside it, then a rename); the file is left alone when nothing changes.
// False with a reason in `why` when the file cannot be read or written.
bool Add(const std::string& path, const std::string& uri, const std::string& label, std::string* why);
bool Remove(const std::string& path, const std::string& uri, std::string* why);

} // namespace bookmarks

} // namespace telvorin
