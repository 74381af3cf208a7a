#pragma once
#include <QChar>
#include <QString>
#include <functional>

// A value slot is every stretch of a memo text from "[" to the next "]" (or another pair of
// delimiters); the name between them is resolved and the whole slot, delimiters included,
// replaced by the value's text.
namespace ValueSlots {

using Resolver = std::function<QString(const QString &name)>;

// Resolves the slots in text order. Text outside the slots, and a "[" that no "]" closes, stay as they are.
QString expand(const QString &text, const Resolver &resolve, QChar open = u'[', QChar close = u']');

} // namespace ValueSlots
