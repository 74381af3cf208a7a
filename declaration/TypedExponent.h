#pragma once
#include <QString>
#include <QStringView>

// The exponent of an amount text while digits are typed into it: typing refuses a digit that
// would take it beyond ±4932, where the extended range ends (about 1.19e4932). It keeps the
// values in front of and behind the caret, so that each digit of a long paste costs one step
// however long the exponent has grown (leading zeros are taken without limit).
class TypedExponent
{
public:
    // The exponent's characters in front of the caret, its sign among them, and behind it.
    TypedExponent(QStringView front, QStringView back);

    // The digits, typed one by one at the caret, that go in; each of the others is counted in
    // refused. The caret is behind those taken afterwards.
    QString take(QStringView digits, int &refused);

private:
    static constexpr int Largest = 4932;

    bool m_integer = true; // a text written by code that is no integer is left to the parse
    int m_front = 0;       // values, at most Largest + 1
    int m_back = 0;
    qsizetype m_backLength = 0;
};
