#pragma once
#include <QList>
#include <QPrinter>
#include <QStringList>

#include "CommonDialog.h"
#include "MessageBox.h"

/** @brief Records message texts; answers questions from a preset. Never blocks. */
class RecordingMessageBox : public MessageBox {
public:
    void MsgBox(const QString& text) override { texts.append(text); }
    bool AskYesNo(const QString& text) override {
        questions.append(text);
        return answerYes;
    }
    QStringList texts;
    QStringList questions;
    bool answerYes = true;
};

/** @brief A common dialog that answers from a script: a path, or a cancel (empty text). Records
 *  what each dialog was shown with. */
class ScriptedCommonDialog : public CommonDialog {
public:
    struct Shown {
        QString kind, title, fileName, initDir, filter;
        int flags = 0;
    };
    void ShowOpen() override { answer(QStringLiteral("open")); }
    void ShowSave() override { answer(QStringLiteral("save")); }
    void ShowPrinter() override;
    QPrinter& printer() override { return m_printer; }

    QStringList answers;   ///< next answers; "" cancels
    QList<int> filterAnswers;  ///< file type chosen with each answer (default: as offered)
    QList<Shown> shown;

private:
    void answer(const QString& kind);
    QPrinter m_printer;
};
