#pragma once
#include "LineBuffer.h"

#include <QWidget>

// The hidden buffer window of the saved form, created at start after Form1 and never shown.
// RichEdit3 collects one line per field on save; RichEdit4 holds the lines that are enciphered
// and, after a load, the deciphered lines that are restored.
class TForm3 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm3(QWidget *parent = nullptr);

    LineBuffer RichEdit3;
    LineBuffer RichEdit4;
};
