#pragma once
#include "PreparedPage.h"

class TMemoView;

// Lays out a memo's text inside its rectangle inset by GapX and GapY: paragraphs are the lines
// of the text; word wrap breaks them at blanks, and a word wider than the memo between
// characters; a line up to 3.5 % too wide stays whole and is condensed to the width. Lines
// follow each other at the font's line height plus LineSpacing, HAlign places each line and
// VAlign the block of lines.
namespace MemoLayout {

TextBlock layout(const TMemoView &memo, const QString &text);

} // namespace MemoLayout
