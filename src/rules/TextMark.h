// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Marks a text the window shows, in a library without Qt: the text stays English here (the
// probe prints it so) and the window translates it where it shows it. The translation
// tools read it as QT_TR_NOOP, so it belongs at namespace scope in namespace telvorin.
#define TELVORIN_TEXT(text) text
