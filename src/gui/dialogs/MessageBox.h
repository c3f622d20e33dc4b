// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <optional>

/** @brief The program's message boxes. Production shows them; tests record them. */
class MessageBox {
public:
    virtual ~MessageBox() = default;
    /** @brief A message with only an OK button. */
    virtual void tell(const QString& text) = 0;
    /** @brief A question with Yes and No; true for Yes. */
    virtual bool askYesNo(const QString& text) = 0;
    /** @brief A question answered by one of @p choices (the last one cancels, and is the
     *  default); the index of the choice, the last one when the box is closed. */
    virtual int ask(const QString& text, const QStringList& choices) = 0;
    /** @brief A line of text asked for, offered with @p initial; none when cancelled. */
    virtual std::optional<QString> askText(const QString& text, const QString& initial) = 0;
};
