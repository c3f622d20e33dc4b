// SPDX-License-Identifier: GPL-3.0-or-later
// The translations: each one whole and true to its source, none missing for a text of the
// sources, and the program starting in each language.
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
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
#include "core/common/Messages.h"
#include "gui/dialogs/ManualWindow.h"
#include "gui/dialogs/OptionsDialog.h"
#include "gui/main/Language.h"
#include "gui/main/MainMenus.h"
#include "gui/plot/PlotWindow.h"

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
    void noTextIsCutOff_data();
    void noTextIsCutOff();
    void everyReasonIsWordedInTheLanguage_data();
    void everyReasonIsWordedInTheLanguage();
    void aRefusalTypedIsToldInTheLanguage_data();
    void aRefusalTypedIsToldInTheLanguage();
};

namespace {
// The program back in English: every translation installed goes.
void removeTranslators() {
    for (QTranslator* t : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(t);
        delete t;
    }
}
}  // namespace

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
    const auto backToEnglish = qScopeGuard(removeTranslators);
    // The menus in the language, and Qt's own buttons too.
    QString file;
    for (const Entry& e : entriesOf(kSources + "/translations/orvanta_" + language + ".ts"))
        if (e.source == "&File") file = e.translation;
    AppRig rig;
    MainWindow& w = rig.start();
    QCOMPARE(w.menuBar()->actions().value(0)->text(), file);
    QVERIFY(file != "&File");
    // The program's own bars say the units in the language; the panel keeps the meter's words.
    QCOMPARE(w.findChild<QLabel*>("CoolBarBand1")->text(),
             QCoreApplication::translate("MeterWords", "Units ?", "not reported yet"));
    QVERIFY(w.findChild<QLabel*>("CoolBarBand1")->text() != "Units ?");
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
    // The serial port's reasons, quoted in a port's message, where Qt translates them.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtserialport_" +
                      language.left(2) + ".qm"))
        QVERIFY(QCoreApplication::translate("QSerialPort", "Device is not open") !=
                "Device is not open");
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
    const auto backToEnglish = qScopeGuard(removeTranslators);
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

namespace {
// "where: text" for each shown label, button and list entry of @p top whose text is wider than
// the room its widget gives it (a label that wraps its words is never cut).
QStringList cutTexts(const QString& where, QWidget* top) {
    QStringList out;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(top) || w->width() <= 1) continue;
        const QFontMetrics metrics = w->fontMetrics();
        // The panel's digits are drawn scaled to their room by design.
        if (w->inherits("FittedLabel")) continue;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->wordWrap() || label->text().isEmpty() || !label->pixmap().isNull() ||
                label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
                continue;
            QString text = label->text();
            text.remove('&');
            const int room = label->contentsRect().width() - 2 * label->margin() - label->indent();
            for (const QString& line : text.split('\n'))
                if (metrics.horizontalAdvance(line) > room) out << where + ": " + line;
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            QString text = button->text();
            text.remove('&');
            if (text.isEmpty()) continue;
            // A check box needs its box beside its text; a push button its text inside its
            // frame (its size hint also holds the style's least width, which is no cut).
            const bool pushed = qobject_cast<QPushButton*>(button) != nullptr;
            const int needs = pushed
                                  ? metrics.horizontalAdvance(text) + 4 +
                                        (button->icon().isNull() ? 0 : button->iconSize().width())
                                  : button->sizeHint().width();
            if (needs > button->width() + 1) out << where + ": " + text;
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            for (int i = 0; i < list->count(); ++i) {
                const QRect shown = list->visualItemRect(list->item(i));
                if (shown.isValid() && metrics.horizontalAdvance(list->item(i)->text()) >
                                           list->viewport()->width() - 8)
                    out << where + ": " + list->item(i)->text();
            }
        }
    }
    return out;
}
}  // namespace

void TestLanguage::noTextIsCutOff_data() { noMnemonicIsTakenTwice_data(); }

void TestLanguage::noTextIsCutOff() {
    // Every word shown whole at the window's first size, in each language: the sets window, the
    // panel, the plot's list of sets, and the dialogs of Options, the port and About.
    QFETCH(QString, language);
    if (language != "en") QVERIFY(!Language::install(*qApp, QLocale(language)).isEmpty());
    const auto backToEnglish = qScopeGuard(removeTranslators);
    AppRig rig;
    MainWindow& w = rig.start();
    QStringList cut;
    // The sets window with its details pane, as the window first shows it.
    QWidget* sets = w.findChild<QWidget*>("frmData2");
    QVERIFY(sets);
    QTRY_VERIFY(sets->isVisible());
    cut << cutTexts("sets window", sets);
    workOf(w).viewMeter();
    QWidget* panel = w.findChild<QWidget*>("frmReading");
    QVERIFY(panel);
    QTRY_VERIFY(panel->isVisible());
    cut << cutTexts("panel", panel);
    QVERIFY((*rig.session).setStoreToPC(true));  // the Store key's other destination
    cut << cutTexts("panel", panel);
    PlotWindow& plot = plotOf(w);
    cut << cutTexts("plot", &plot);
    w.showOptions();
    auto* options = w.findChild<OptionsDialog*>();
    QVERIFY(options);
    QTRY_VERIFY(options->isVisible());
    cut << cutTexts("options", options);
    options->close();
    // The dialogs of the port and of the program.
    w.ShowCommPortDialog();
    w.showAbout();
    for (const char* name : {"PortDialog", "AboutDialog"}) {
        QDialog* dialog = nullptr;
        for (QDialog* d : w.findChildren<QDialog*>())
            if (d->inherits(name)) dialog = d;
        QVERIFY2(dialog, name);
        QTRY_VERIFY(dialog->isVisible());
        cut << cutTexts(name, dialog);
        dialog->close();
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));
}

namespace {
// A reason of @p kind with a fact for each of its marks, told apart from any word ("site" for a
// typed field's key), at a line and column of a file and coming of a full disk.
Reason sampleOf(Why kind) {
    static const QRegularExpression mark(QStringLiteral("%(\\d)"));
    int marks = 0;
    for (auto it = mark.globalMatch(QString::fromUtf8(Msg::whyWords(kind))); it.hasNext();)
        marks = qMax(marks, it.next().captured(1).toInt());
    Reason r;
    r.why = kind;
    for (int i = 1; i <= marks; ++i) r.facts << QStringLiteral("<%1>").arg(i);
    if (kind >= Why::TextTooLong && kind <= Why::BeyondMetres) r.facts[0] = QStringLiteral("site");
    return r.at(7, 3, QStringLiteral("<column>")).because(Reason::of(Why::DiskFull));
}
// The English words of @p worded: each run of two words or more between its facts, as a
// pattern that finds it whatever stands between its words.
QStringList englishRuns(const QString& worded) {
    static const QRegularExpression facts(QStringLiteral("<[^>]*>|\\d+"));
    QStringList runs;
    for (const QString& run : worded.split(facts, Qt::SkipEmptyParts)) {
        static const QRegularExpression words(QStringLiteral("\\b\\w+\\b"));
        QStringList found;
        for (auto it = words.globalMatch(run); it.hasNext();) found << it.next().captured();
        if (found.size() >= 2) runs << found.join(QStringLiteral("\\W+"));
    }
    return runs;
}
}  // namespace

void TestLanguage::everyReasonIsWordedInTheLanguage_data() { everyTranslationIsFinished_data(); }

void TestLanguage::everyReasonIsWordedInTheLanguage() {
    // Every kind of reason the core gives, worded inside a message as the windows tell it: in
    // the language, with each of its facts, and no English run of words left in it.
    QFETCH(QString, language);
    removeTranslators();
    const auto backToEnglish = qScopeGuard(removeTranslators);
    QStringList english;
    for (int k = 1; k < int(Why::Count); ++k) {
        QVERIFY2(Msg::whyWords(Why(k)), qPrintable(QString("kind %1 has no words").arg(k)));
        english << Msg::why(sampleOf(Why(k)));
    }
    QVERIFY(!Language::install(*qApp, QLocale(language)).isEmpty());
    QStringList wrong;
    for (int k = 1; k < int(Why::Count); ++k) {
        const Reason r = sampleOf(Why(k));
        const QString told = Msg::TableNotWritten.arg(Msg::why(r));
        for (const QString& fact : r.facts)
            if (!told.contains(fact == QLatin1String("site") ? Msg::fieldName(fact) : fact))
                wrong << QString("kind %1 leaves out %2: %3").arg(k).arg(fact, told);
        for (const QString& run : englishRuns(english[k - 1]))
            if (told.contains(QRegularExpression("\\b" + run + "\\b")))
                wrong << QString("kind %1 keeps \"%2\": %3").arg(k).arg(run, told);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
}

void TestLanguage::aRefusalTypedIsToldInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("told");  // what the pane says, in the language
    QTest::newRow("de, two separators") << "de"
                                        << "spacing"
                                        << "1.234,5"
                                        << "Messpunktabstand (m): „1.234,5“ enthält Punkt und "
                                           "Komma";
    QTest::newRow("fr, a latitude off the earth")
        << "fr"
        << "lat"
        << "91,5"
        << "Latitude (°, WGS 84) : 91,5 n'est pas entre -90 et 90";
    QTest::newRow("es, below zero") << "es"
                                    << "spacing"
                                    << "-0,5"
                                    << "Intervalo de medición (m): -0,5 es menor que cero";
    QTest::newRow("pt_BR, a control character")
        << "pt_BR"
        << "site" << QString("Poço\x01") << "Local: contém um caractere de controle";
}

void TestLanguage::aRefusalTypedIsToldInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, told);
    QVERIFY(!Language::install(*qApp, QLocale(language)).isEmpty());
    const auto backToEnglish = qScopeGuard(removeTranslators);
    AppRig rig;
    MainWindow& w = rig.start();
    auto* edit = w.findChild<QLineEdit*>("Detail_" + field);
    auto* problem = w.findChild<QLabel*>("DetailProblem");
    QVERIFY(edit && problem);
    QTRY_VERIFY(edit->isVisible());
    edit->setFocus();
    edit->setText(typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QTRY_VERIFY(problem->isVisible());
    QVERIFY2(problem->text().startsWith(told), qPrintable(problem->text()));
    QVERIFY2(!problem->text().contains("Nothing"), qPrintable(problem->text()));
}

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
