#pragma once
class QFont;

// a * b / c rounded to the nearest integer, halves away from zero, without intermediate overflow.
int MulDiv(int a, int b, int c);

// The dialogs' unit of length: a quarter of the dialog font's average character width across,
// an eighth of its character height down.
struct DialogUnits
{
    int x = 0; // average width of "A".."Z", "a".."z" in px, remainder dropped
    int y = 0; // height of that run in px

    static DialogUnits of(const QFont &font);

    int horizontal(int n) const { return MulDiv(n, x, 4); }
    int vertical(int n) const { return MulDiv(n, y, 8); }
};
