// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/dialogs/ManualWindow.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QScreen>
#include <QVBoxLayout>

QString ManualWindow::sourceFor(const QLocale& locale) {
    Q_INIT_RESOURCE(manual);  // carried in a static library: registered when first needed
    // pt_BR, then pt, then English.
    for (const QString& name : {locale.name(), locale.name().section(QLatin1Char('_'), 0, 0)}) {
        const QString path = QStringLiteral(":/manual/manual_%1.html").arg(name);
        if (QFile::exists(path)) return path;
    }
    return QStringLiteral(":/manual/manual.html");
}

ManualWindow::ManualWindow(const QLocale& locale, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(tr("Orvanta Manual"));
    setAttribute(Qt::WA_DeleteOnClose);
    text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("ManualText"));
    text->setAccessibleName(tr("Manual"));
    // Links within the manual move in it; a link out of it opens in the desktop's browser.
    text->setOpenExternalLinks(true);
    text->setSource(QUrl(QStringLiteral("qrc") + sourceFor(locale)));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    // Whole on a small screen too, its Close button in view.
    const QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 800, 600);
    resize(qMin(720, room.width() * 9 / 10), qMin(640, room.height() * 8 / 10));
}
