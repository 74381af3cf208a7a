#pragma once
#include <QString>
#include <cstdint>
#include <functional>

// The four words that the processor identification instruction returns for leaf 1.
struct ProcessorWords
{
    std::uint32_t eax = 0;
    std::uint32_t ebx = 0;
    std::uint32_t ecx = 0;
    std::uint32_t edx = 0;
};

// Where the print command takes the processor words from; tests hand in fixed words.
using ProcessorWordSource = std::function<ProcessorWords()>;

// Leaf 1 of this machine's processor.
ProcessorWords readProcessorWords();

// ECX, EBX, EDX and EAX as unsigned decimal numbers, concatenated in that order.
QString ProcessorDigits(const ProcessorWords &words);
