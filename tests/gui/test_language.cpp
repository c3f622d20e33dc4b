// SPDX-License-Identifier: GPL-3.0-or-later
// The translations: each one whole and true to its source, none missing for a text of the
// sources, and the program starting in each language.
#include <QDialogButtonBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "AppRig.h"
#include "gui/dialogs/ManualWindow.h"
#include "gui/main/Language.h"
#include "gui/main/MainMenus.h"

namespace {
const QString kSources = QStringLiteral(ORVANTA_SOURCE_DIR);
const QStringList kLanguages{"de", "fr", "es", "pt_BR"};
const QString kLupdate = QStringLiteral("/usr/lib/qt6/bin/lupdate");

struct Entry {
    QString context, source, translation, type;
};
// A carriage return is written as an element of its own.
constexpr auto kText = QXmlStreamReader::SkipChildElements;
QList<Entry> entriesOf(const QString& path) {
    QList<Entry> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return out;
    QXmlStreamReader xml(&f);
    QString context;
    Entry e;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") context = xml.readElementText(kText);
        if (xml.name() == u"message") e = Entry{context, {}, {}, {}};
        if (xml.name() == u"source") e.source = xml.readElementText(kText);
        if (xml.name() == u"translation") {
            e.type = xml.attributes().value(QStringLiteral("type")).toString();
            e.translation = xml.readElementText(kText);
            out.append(e);
        }
    }
    return out;
}
/** Why @p e is not a finished translation of its source; empty when it is one. */
QString problemOf(const Entry& e) {
    if (!e.type.isEmpty()) return e.type;
    if (e.translation.trimmed().isEmpty()) return QStringLiteral("empty");
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    for (auto it = marker.globalMatch(e.source); it.hasNext();) {
        const QString m = it.next().captured();
        if (!e.translation.contains(m)) return QStringLiteral("%1 left out").arg(m);
    }
    // A file type filter keeps its patterns, a menu entry its one accelerator.
    if (e.source.contains(QLatin1String("(*.")) &&
        e.source.split('|').mid(1).join('|').count('*') !=
            e.translation.split('|').mid(1).join('|').count('*'))
        return QStringLiteral("patterns changed");
    if (e.source.count('&') == 1 && e.translation.count('&') != 1)
        return QStringLiteral("accelerator");
    return {};
}
}  // namespace

class TestLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTranslationIsFinished_data();
    void everyTranslationIsFinished();
    void programStartsInEachLanguage_data();
    void programStartsInEachLanguage();
    void noMnemonicIsTakenTwice_data();
    void noMnemonicIsTakenTwice();
};

void TestLanguage::everyTranslationIsFinished_data() {
    QTest::addColumn<QString>("language");
    for (const QString& l : kLanguages) QTest::newRow(qPrintable(l)) << l;
}

void TestLanguage::everyTranslationIsFinished() {
    QFETCH(QString, language);
    // The file as it is, then as lupdate makes it from today's sources: a text added to the
    // sources and not translated shows up as unfinished.
    QTemporaryDir tmp;
    const QString original = kSources + "/translations/orvanta_" + language + ".ts";
    const QString updated = tmp.path() + "/orvanta_" + language + ".ts";
    QVERIFY(QFile::copy(original, updated));
    QProcess lupdate;
    lupdate.start(kLupdate, {"-silent", "-I", kSources + "/src", "-locations", "none",
                             "-no-obsolete", kSources + "/src/core", kSources + "/src/gui",
                             kSources + "/src/app", "-ts", updated});
    QVERIFY2(lupdate.waitForFinished(120000) && lupdate.exitCode() == 0,
             qPrintable(lupdate.readAllStandardError()));
    for (const QString& path : {original, updated}) {
        const QList<Entry> entries = entriesOf(path);
        QVERIFY(entries.size() > 200);
        QStringList problems;
        for (const Entry& e : entries)
            if (const QString why = problemOf(e); !why.isEmpty())
                problems << e.context + ": \"" + e.source.left(60) + "\": " + why;
        QVERIFY2(problems.isEmpty(), qPrintable(path + "\n" + problems.join('\n')));
    }
}

void TestLanguage::programStartsInEachLanguage_data() { everyTranslationIsFinished_data(); }

void TestLanguage::programStartsInEachLanguage() {
    QFETCH(QString, language);
    const QLocale locale(language);
    QVERIFY(Language::install(*qApp, locale).startsWith(language.left(2)));
    // The menus in the language, and Qt's own buttons too.
    QString file;
    for (const Entry& e : entriesOf(kSources + "/translations/orvanta_" + language + ".ts"))
        if (e.source == "&File") file = e.translation;
    AppRig rig;
    MainWindow& w = rig.start();
    QCOMPARE(w.menuBar()->actions().value(0)->text(), file);
    QVERIFY(file != "&File");
    // The manual in the language: every topic, the port's permission, and each menu by the
    // name the menu bar gives it.
    QCOMPARE(ManualWindow::sourceFor(locale), ":/manual/manual_" + language + ".html");
    actionOf(w, "Manualmenu")->trigger();
    auto* manual = w.findChild<ManualWindow*>();
    QVERIFY(manual);
    const QString text = manual->text->toPlainText();
    const QString html = manual->text->document()->toHtml();
    QVERIFY(text.contains("sudo usermod -aG dialout $USER"));
    for (const char* topic : {"start", "port", "download", "sets", "details", "flags", "stats",
                              "plot", "panel", "record", "gps", "files", "keys", "cli"})
        QVERIFY2(html.contains(QString("name=\"%1\"").arg(topic)), topic);
    for (QAction* menu : w.menuBar()->actions()) {
        const QString path = menu->text().remove('&') + " >";
        QVERIFY2(text.contains(path), qPrintable(path));
    }
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QVERIFY2(box.button(QDialogButtonBox::Cancel)->text() != "Cancel",
             "Qt's own texts are not translated (qt6-translations-l10n)");
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}

namespace {
// The key a text's single "&" marks ("&&" is an ampersand), or none.
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&')) continue;
        if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toLower();
        ++i;
    }
    return {};
}
// "texts that share a key", empty when none does.
QStringList clashesIn(const QString& where, const QStringList& texts) {
    QMap<QChar, QStringList> byKey;
    for (const QString& t : texts)
        if (const QChar key = mnemonicOf(t); !key.isNull()) byKey[key] << t;
    QStringList out;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
        if (it.value().size() > 1) out << where + ": " + it.value().join(" / ");
    return out;
}
void menuClashes(QMenu* menu, QStringList* out) {
    QStringList texts;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator()) continue;
        texts << a->text();
        if (a->menu()) menuClashes(a->menu(), out);
    }
    *out << clashesIn(menu->title(), texts);
}
}  // namespace

void TestLanguage::noMnemonicIsTakenTwice_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << "en";
    for (const QString& l : kLanguages) QTest::newRow(qPrintable(l)) << l;
}

void TestLanguage::noMnemonicIsTakenTwice() {
    // Alt and a key reaches one thing: within each menu, and across the menu bar and the tabs
    // shown beside it.
    QFETCH(QString, language);
    if (language != "en") QVERIFY(!Language::install(*qApp, QLocale(language)).isEmpty());
    const auto removeTranslators = qScopeGuard([] {
        for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
    });
    AppRig rig;
    MainWindow& w = rig.start();
    QStringList clashes;
    QStringList bar;
    for (QAction* a : w.menuBar()->actions()) {
        bar << a->text();
        if (a->menu()) menuClashes(a->menu(), &clashes);
    }
    for (const QTabWidget* tabs : w.findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i) bar << tabs->tabText(i);
    clashes << clashesIn("menu bar and tabs", bar);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join('\n')));
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
