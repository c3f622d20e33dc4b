// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QList>
#include <QStringList>
#include <functional>

#include "gui/dialogs/FileDialog.h"
#include "gui/dialogs/MessageBox.h"

/** @brief Records message texts; answers questions from a preset. Never blocks. */
class RecordingMessageBox : public MessageBox {
public:
    void tell(const QString& text) override { texts.append(text); }
    bool askYesNo(const QString& text) override {
        questions.append(text);
        if (whileAsking) whileAsking();
        return answerYes;
    }
    int ask(const QString& text, const QStringList& choices) override {
        questions.append(text);
        if (whileAsking) whileAsking();
        const int chosen = choiceAnswers.isEmpty() ? 0 : choiceAnswers.takeFirst();
        return qBound(0, chosen, static_cast<int>(choices.size()) - 1);
    }
    std::optional<QString> askText(const QString& text, const QString&) override {
        questions.append(text);
        if (textAnswers.isEmpty()) return std::nullopt;  // cancelled
        return textAnswers.takeFirst();
    }
    /** The answers to the next ask() questions, by index; the first choice when none is left. */
    QList<int> choiceAnswers;
    /** The answers to the next askText() questions; cancelled when none is left. */
    QStringList textAnswers;
    /** Runs while a question is open (the user takes their time; the meter may send meanwhile). */
    std::function<void()> whileAsking;
    QStringList texts;
    QStringList questions;
    bool answerYes = true;
};

/** @brief A file dialog that answers from a script: a path, or a cancel (empty text). Records
 *  what each dialog was shown with. */
class ScriptedFileDialog : public FileDialog {
public:
    std::optional<Choice> choose(const Request& request) override;

    QStringList answers;       ///< next answers; "" cancels
    QList<int> filterAnswers;  ///< file type chosen with each answer, 0 for the first (default)
    QList<Request> shown;
};
