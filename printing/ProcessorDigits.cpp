#include "ProcessorDigits.h"

#include <cpuid.h>

ProcessorWords readProcessorWords()
{
    ProcessorWords words;
    __cpuid(1, words.eax, words.ebx, words.ecx, words.edx);
    return words;
}

QString ProcessorDigits(const ProcessorWords &words)
{
    return QString::number(words.ecx) + QString::number(words.ebx) + QString::number(words.edx) +
           QString::number(words.eax);
}
