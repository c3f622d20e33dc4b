// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include "AppRig.h"
#include "Fakes.h"
#include "core/common/SettingsStore.h"
#include "core/files/DataFileCodec.h"
#include "core/files/FileCommands.h"
#include "core/files/Report.h"
#include "core/files/SurveyFile.h"
#include "core/files/TextExport.h"
#include "core/store/EditHistory.h"
#include "core/store/ReadingsStore.h"
#include "gui/files/FileMenuCommands.h"
#include "gui/printing/PrintCommand.h"

namespace {
class RecordingPrinter : public ReportPrinter {
public:
    bool setFontSize(double p) override {
        size = p;
        return true;
    }
    bool setBold(bool b) override {
        bold = b;
        return true;
    }
    bool printLine(const QString& text) override {
        for (const QString& l : text.split('\n')) lines.append({l, bold});
        return true;
    }
    bool endDoc() override {
        ended = true;
        return true;
    }
    QList<QPair<QString, bool>> lines;
    double size = 0;
    bool bold = false, ended = false;
};

/** A table in a temporary Readings.db with file commands on it; a closed one holds no rows. */
struct Rig {
    explicit Rig(bool open = true) : store(tmp.path() + "/Readings.db") {
        if (open) store.open();
        files = std::make_unique<FileMenuCommands>(
            FileMenuCommands::Deps{store, dialog, messages, tmp.path(), {}, {}});
    }
    void fill() {
        QVector<ReadingsStore::Row> rows(128);
        for (int r = 1; r <= 128; ++r)
            for (int k = 1; k <= 30; ++k)
                rows[r - 1][k - 1] = QStringLiteral("%1.%2").arg(k).arg(r, 6, 10, QChar('0'));
        QVERIFY(store.replaceAll(rows).ok());
    }
    QString cell(int r, int k) { return store.cell(r - 1, k); }
    QString path(const QString& name) const { return tmp.path() + "/" + name; }
    QTemporaryDir tmp;
    ReadingsStore store;
    ScriptedCommonDialog dialog;
    RecordingMessageBox messages;
    std::unique_ptr<FileMenuCommands> files;
};

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void makeReadOnly(const QString& path, const QByteArray& contents) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(contents);
    f.close();
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}
}  // namespace

class TestFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void clearedTableSavesTo38656Bytes();
    void saveNewOpenRoundTrip();
    void savedFileReadByIndependentReader();
    void openRecordFiles_data();
    void openRecordFiles();
    void paddedReadingsAreTrimmed();
    void windows1252Texts();
    void replacingAsksFirst_data();
    void replacingAsksFirst();
    void readOnlyTargets_data();
    void readOnlyTargets();
    void cancelledDialogsKeepNames();
    void saveReplacesLongerFile();
    void exportBytes();
    void exportEmptyTable();
    void reportLines();
    void reportOfEmptyTable();
    void reportToPdf();
    void printCancelled();
    void saveKeepsTheDocumentsFormat_data();
    void saveKeepsTheDocumentsFormat();
    void changesWhileWritingStayUnsaved_data();
    void changesWhileWritingStayUnsaved();
    void dataFileQuestionNamesWhatGoes_data();
    void dataFileQuestionNamesWhatGoes();
};

void TestFiles::clearedTableSavesTo38656Bytes() {
    Rig rig;
    rig.dialog.answers << rig.path("clear");  // typed without its extension: the type's is added
    rig.files->Save();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    const QByteArray bytes = readAll(rig.path("clear.dat"));
    QCOMPARE(bytes.size(), 38656);
    QByteArray first("\x01\x00", 2);
    for (int k = 0; k < 30; ++k) first += QByteArray("\x08\x00", 2) + "0.000000";
    QCOMPARE(bytes.left(302), first);
    QCOMPARE(bytes.mid(302, 2), QByteArray("\x02\x00", 2));
    QCOMPARE(rig.files->mDataFileName, QString("clear.dat"));
    const auto& shown = rig.dialog.shown.first();
    QCOMPARE(shown.title, QString("Save Data File"));
    // The data file first, then the survey.
    QCOMPARE(shown.filters,
             QStringList({"Data Files (*.dat)", "Orvanta survey (*.orvanta)", "All Files (*.*)"}));
}

void TestFiles::saveNewOpenRoundTrip() {
    Rig rig;
    rig.fill();
    rig.dialog.answers << rig.path("day.dat") << rig.path("day.dat");
    rig.files->Save();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    rig.files->New();
    QCOMPARE(rig.cell(77, 13), QString("0.000000"));
    rig.files->Open();
    for (int r = 1; r <= 128; ++r)
        for (int k = 1; k <= 30; ++k)
            QCOMPARE(rig.cell(r, k), QStringLiteral("%1.%2").arg(k).arg(r, 6, 10, QChar('0')));
    QCOMPARE(rig.cell(5, 0), QString("5"));
    QCOMPARE(rig.dialog.shown.last().title, QString("Open Data File"));
    QCOMPARE(rig.dialog.shown.last().offered,
             QString("day.dat"));  // the last name is offered again
}

void TestFiles::savedFileReadByIndependentReader() {
    Rig rig;
    rig.fill();
    rig.dialog.answers << rig.path("x.dat");
    rig.files->Save();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    const QByteArray b = readAll(rig.path("x.dat"));
    // The layout read back here byte by byte, without the codec.
    int at = 0, row = 0;
    while (at < b.size()) {
        ++row;
        const int number = qint16(uchar(b[at]) | (uchar(b[at + 1]) << 8));
        QCOMPARE(number, row);
        at += 2;
        for (int k = 1; k <= 30; ++k) {
            const int len = uchar(b[at]) | (uchar(b[at + 1]) << 8);
            at += 2;
            QCOMPARE(QString::fromLatin1(b.mid(at, len)),
                     QStringLiteral("%1.%2").arg(k).arg(row, 6, 10, QChar('0')));
            at += len;
        }
    }
    QCOMPARE(row, 128);
    QCOMPARE(at, b.size());
}

void TestFiles::openRecordFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");  // written to FILE when not empty
    QTest::addColumn<int>("loaded");        // rows that take the file's values; 0: refused
    QTest::addColumn<QString>("told");      // "" or the message, %1 the file
    const QByteArray none;
    const QString notData = QStringLiteral("%1 is not a data file.");
    const auto cut = [](int record) {
        return "%1 is not a whole data file: record " + QString::number(record) +
               " is cut short. Nothing was changed.";
    };
    // A file cut at a record's end opens, and says how much of it there was.
    const auto shortOf = [](int held) {
        return QStringLiteral(
                   "%1 holds %2 of the 128 records of a whole data file: it may have been cut "
                   "short while it was copied. Positions 1 to %2 of every set were opened from "
                   "it; positions %3 to 128 were cleared.")
            .replace("%2", QString::number(held))
            .replace("%3", QString::number(held + 1));
    };
    const auto records = [](int count) {
        QByteArray out;
        for (int r = 1; r <= count; ++r) {
            DataFileRecord rec;
            rec.RowNumber = static_cast<std::int16_t>(r);
            for (int k = 0; k < 30; ++k)
                rec.SetValue[k] = QString::number(r * 0.001 + k + 1, 'f', 6);
            DataFileCodec::write(rec, out);
        }
        return out;
    };
    QTest::newRow("two records") << "two_records.dat" << none << 2 << shortOf(2);
    QTest::newRow("64 of 128 records") << "half.dat" << records(64) << 64 << shortOf(64);
    QTest::newRow("127 of 128 records") << "most.dat" << records(127) << 127 << shortOf(127);
    QTest::newRow("all 128 records") << "whole.dat" << records(128) << 128 << "";
    QTest::newRow("cut in a text") << "cut_in_text.dat" << none << 0 << cut(3);
    QTest::newRow("cut in a length") << "cut_in_length.dat" << none << 0 << cut(2);
    QTest::newRow("length past the end") << "length_past_end.dat" << none << 0 << cut(2);
    QTest::newRow("one stray byte") << "odd_byte.dat" << none << 0 << cut(2);
    QTest::newRow("empty file") << "empty.dat" << none << 0 << notData;
    QTest::newRow("more records than rows") << "more_than_rows.dat" << none << 0 << notData;
    QTest::newRow("a text that is no reading") << "cp1252_text.dat" << none << 0 << notData;
    QTest::newRow("zeros") << "zeros.dat" << QByteArray(62, '\0') << 0 << notData;
    QTest::newRow("a FIFO") << "fifo" << none << 0 << "%1 is not a regular file.";
    // The system's refusals, as kinds in the program's words.
    QTest::newRow("a file that is gone")
        << "gone.dat" << none << 0 << "%1 could not be read: there is no such file";
    QTest::newRow("a file the user may not read")
        << "unreadable.dat" << QByteArray("1") << 0
        << "%1 could not be read: your user may not read it";
    QTest::newRow("a program") << "program.dat"
                               << QByteArray(
                                      "\x7f"
                                      "ELF\x02\x01\x01")
                                      .repeated(40)
                               << 0 << notData;
}

void TestFiles::paddedReadingsAreTrimmed() {
    // Another program may pad a reading; the reading is what remains, and nothing else is one.
    Rig rig;
    DataFileRecord padded;
    padded.RowNumber = 1;
    padded.SetValue.fill("1.5\t");
    padded.SetValue[1] = " -0.25 ";
    QByteArray bytes;
    DataFileCodec::write(padded, bytes);
    const QString path = rig.tmp.path() + "/padded.dat";
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    f.close();
    rig.dialog.answers << path;
    rig.files->Open();
    QCOMPARE(rig.messages.texts.size(), 1);  // one record of 128: said, not refused
    QVERIFY(rig.messages.texts[0].contains("1 of the 128 records"));
    QCOMPARE(rig.cell(1, 1), QString("1.5"));
    QCOMPARE(rig.cell(1, 2), QString("-0.25"));
    QCOMPARE(rig.cell(1, 30), QString("1.5"));
}

void TestFiles::openRecordFiles() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, loaded);
    QFETCH(QString, told);
    Rig rig;
    for (int r = 1; r <= 128; ++r) rig.store.writeReading(1, r, "9.5");
    // A copy of our own: the checkout's files stay as they are, whoever runs the test.
    const QString copy = rig.tmp.path() + QStringLiteral("/") + file;
    if (file == "unreadable.dat" && ::geteuid() == 0) QSKIP("root reads every file");
    if (file == "fifo") {
        QVERIFY(QProcess::execute("mkfifo", {copy}) == 0);
    } else if (file == "gone.dat") {
        // Chosen, then gone before it is read (a drive unplugged, a file another program moved).
    } else if (bytes.isEmpty()) {
        QVERIFY(QFile::copy(QStringLiteral(ORVANTA_TEST_DATA "/datfiles/") + file, copy));
        QVERIFY(QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    } else {
        QFile f(copy);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }
    if (file == "unreadable.dat") QVERIFY(QFile::setPermissions(copy, QFileDevice::WriteOwner));
    rig.dialog.answers << copy;
    rig.files->Open();
    // A file that is not whole, or not a data file, is refused and changes nothing; any other
    // replaces the whole table, rows beyond its records cleared.
    QCOMPARE(rig.store.rowCount(), 128);
    for (int r = 1; r <= 128; ++r) {
        const QString expected = r <= loaded  ? QStringLiteral("%1").arg(r * 0.001 + 1, 0, 'f', 6)
                                 : loaded > 0 ? QString("0.000000")
                                              : QString("9.5");
        QCOMPARE(rig.cell(r, 1), expected);
    }
    if (loaded > 0)
        QCOMPARE(rig.cell(loaded, 30), QStringLiteral("%1").arg(loaded * 0.001 + 30, 0, 'f', 6));
    QCOMPARE(rig.messages.texts, told.isEmpty() ? QStringList() : QStringList{told.arg(copy)});
    QCOMPARE(rig.files->documentPath().isEmpty(), loaded == 0);
}

void TestFiles::windows1252Texts() {
    // Texts are Windows-1252 in a data file (a text no reading has, from a foreign database).
    Rig rig;
    // A text longer than a length field holds is refused, never written with a wrapped length.
    rig.store.writeReading(2, 1, QString(65536, QLatin1Char('1')));
    rig.dialog.answers << rig.path("long.dat");
    rig.files->Save();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    QCOMPARE(rig.messages.texts.size(), 1);
    QVERIFY(rig.messages.texts[0].contains("longer than a data file can hold"));
    QVERIFY(!QFile::exists(rig.path("long.dat")));
    rig.store.writeReading(2, 1, QString(65535, QLatin1Char('1')));
    rig.dialog.answers << rig.path("long.dat");
    rig.files->Save();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    QCOMPARE(rig.messages.texts.size(), 1);
    rig.store.writeReading(2, 1, "0.000000");
    rig.store.writeReading(1, 1, QString::fromUtf8("\u20ac1.5"));
    rig.dialog.answers << rig.path("back.dat");
    rig.files->Save();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    QCOMPARE(readAll(rig.path("back.dat")).mid(2, 8), QByteArray("\x04\x00\x80"
                                                                 "1.5",
                                                                 6) +
                                                          QByteArray("\x08\x00", 2));
}

void TestFiles::replacingAsksFirst_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");
    const QString open = QStringLiteral(
        "Open two_records.dat in place of the readings? Readings and set details that have not "
        "been saved to a file will be lost.");
    QTest::newRow("new") << "new"
                         << "Clear all readings? Readings and set details that have not been "
                            "saved to a file will be lost.";
    QTest::newRow("open") << "open" << open;
    QTest::newRow("open recent") << "recent" << open;
}

void TestFiles::replacingAsksFirst() {
    QFETCH(QString, command);
    QFETCH(QString, question);
    const QString file = QStringLiteral(ORVANTA_TEST_DATA "/datfiles/two_records.dat");
    Rig rig;
    const auto run = [&] {
        if (command == "new") rig.files->New();
        if (command == "open") {
            rig.dialog.answers << file;
            rig.files->Open();
        }
        if (command == "recent") rig.files->openPath(file);
    };
    run();
    QVERIFY2(rig.messages.questions.isEmpty(), "nothing to lose: no question");
    rig.store.writeReading(9, 3, "0.5");
    rig.messages.answerYes = false;
    run();
    QCOMPARE(rig.messages.questions, QStringList{question});
    QCOMPARE(rig.cell(3, 9), QString("0.5"));
    QVERIFY(rig.files->modified());
    rig.messages.answerYes = true;
    run();
    QCOMPARE(rig.cell(3, 9), QString("0.000000"));
    // Typed details alone are something to lose too.
    Rig typed;
    SetDetails site;
    site.site = QStringLiteral("Outcrop");
    QVERIFY(typed.store.setDetails(4, site).ok());
    typed.messages.answerYes = false;
    typed.files->New();
    QCOMPARE(typed.messages.questions.size(), 1);
    QCOMPARE(typed.store.details(4).site, QString("Outcrop"));
}

void TestFiles::readOnlyTargets_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("open") << "open";
    QTest::newRow("save") << "save";
    QTest::newRow("export") << "export";
}

void TestFiles::readOnlyTargets() {
    QFETCH(QString, command);
    Rig rig;
    rig.fill();
    const QString target = rig.path("locked.file");
    QByteArray before;
    DataFileRecord rec;
    rec.RowNumber = 1;
    rec.SetValue.fill("9.9");
    DataFileCodec::write(rec, before);
    makeReadOnly(target, before);
    rig.dialog.answers << target;
    if (command == "open")
        rig.files->Open();
    else if (command == "save")
        rig.files->Save();
    else
        rig.files->exportText();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    QCOMPARE(readAll(target), before);
    if (command == "open") {
        // Open only reads: a write-protected file opens (a file of one record, said so).
        QCOMPARE(rig.messages.texts.size(), 1);
        QVERIFY(rig.messages.texts[0].contains("1 of the 128 records"));
        QCOMPARE(rig.cell(1, 1), QString("9.9"));
        return;
    }
    QCOMPARE(rig.messages.texts,
             QStringList{"This file is set for Read Only and cannot be modified."});
    QCOMPARE(rig.cell(1, 1), QString("1.000001"));
}

void TestFiles::cancelledDialogsKeepNames() {
    Rig rig;
    rig.files->mDataFileName = "old.dat";
    rig.files->mExportFileName = "old.txt";
    rig.dialog.answers << ""
                       << ""
                       << "";
    rig.files->Open();
    rig.files->saveAs();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    rig.files->exportText();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    QCOMPARE(rig.files->mDataFileName, QString("old.dat"));
    QCOMPARE(rig.files->mExportFileName, QString("old.txt"));
    QCOMPARE(rig.dialog.shown.size(), 3);
    QCOMPARE(rig.dialog.shown[2].title, QString("Export Data to Text file"));
    QCOMPARE(rig.dialog.shown[2].offered, QString("old.txt"));
    QVERIFY(rig.messages.texts.isEmpty());
    QCOMPARE(QDir(rig.tmp.path()).entryList(QDir::Files).filter(".dat").size(), 0);
}

void TestFiles::saveReplacesLongerFile() {
    Rig rig;
    const QString target = rig.path("long.dat");
    QFile f(target);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(100000, 'z'));
    f.close();
    rig.dialog.answers << target;
    rig.files->Save();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    QCOMPARE(readAll(target).size(), 128 * 302);
}

void TestFiles::exportBytes() {
    Rig rig;
    rig.fill();
    const QString target = rig.path("out.txt");
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(50000, 'o'));
    old.close();
    rig.dialog.answers << target;
    rig.files->exportText();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    const QByteArray bytes = readAll(target);
    QVERIFY(bytes.endsWith("\r\n"));
    const QList<QByteArray> lines = bytes.chopped(2).split('\n');
    QCOMPARE(lines.size(), 129);
    QCOMPARE(TextExport::headerLine().size(), 210);
    QCOMPARE(bytes.left(210), TextExport::headerLine());
    QVERIFY(bytes.startsWith("Number\tSet 1\tSet 2\t"));
    for (const QByteArray& l : lines) QCOMPARE(l.count('\t'), 31);
    QCOMPARE(
        lines[1],
        QByteArray(
            "1\t1.000001\t2.000001\t3.000001\t4.000001\t5.000001\t6.000001\t7.000001\t8.000001\t"
            "9.000001\t10.000001\t11.000001\t12.000001\t13.000001\t14.000001\t15.000001\t"
            "16.000001\t17.000001\t18.000001\t19.000001\t20.000001\t21.000001\t22.000001\t"
            "23.000001\t24.000001\t25.000001\t26.000001\t27.000001\t28.000001\t29.000001\t"
            "30.000001\t\r"));
    QCOMPARE(rig.files->mExportFileName, QString("out.txt"));
}

void TestFiles::exportEmptyTable() {
    Rig rig(false);
    rig.dialog.answers << rig.path("empty.txt");
    rig.files->exportText();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    QCOMPARE(readAll(rig.path("empty.txt")), TextExport::headerLine());
}

void TestFiles::reportLines() {
    Rig rig;
    rig.fill();
    RecordingPrinter p;
    Report::print(rig.store, p);
    QCOMPARE(p.size, 8.0);
    QVERIFY(p.ended);
    QCOMPARE(p.lines.size(), 4 + 4 * (2 + 128) + 3 * 2);
    for (int i = 0; i < 4; ++i) QCOMPARE(p.lines[i], qMakePair(QString(i == 2 ? " " : ""), false));
    const int blockLines[4][2] = {{16, 9}, {16, 9}, {16, 9}, {12, 7}};
    int at = 4;
    for (int b = 0; b < 4; ++b) {
        QCOMPARE(p.lines[at].first,
                 Report::headerLine(Report::kBlocks[b][0], Report::kBlocks[b][1]));
        QVERIFY(p.lines[at].second);  // header in bold
        QCOMPARE(p.lines[at].first.count('\t'), blockLines[b][0]);
        QCOMPARE(p.lines[at + 1], qMakePair(QString(), true));  // its empty line
        for (int r = 1; r <= 128; ++r) {
            const auto& line = p.lines[at + 1 + r];
            QVERIFY(!line.second);
            QCOMPARE(line.first.count('\t'), blockLines[b][1]);
            QVERIFY(line.first.startsWith(QString::number(r) + "\t\t" +
                                          QString::number(Report::kBlocks[b][0]) + "."));
        }
        at += 2 + 128;
        if (b < 3) {
            QCOMPARE(p.lines[at].first, QString());
            QCOMPARE(p.lines[at + 1].first, QString());
            at += 2;
        }
    }
    QCOMPARE(p.lines[4 + 130 + 2].first, QString("Number\t\tSet 9\t\tSet 10\t\tSet 11\t\tSet "
                                                 "12\t\tSet 13\t\tSet 14\t\tSet 15\t\tSet 16"));
    // A flagged reading is marked in its block and its reason listed after the blocks.
    QVERIFY(rig.store.setFlag(10, 3, "box end").ok());
    RecordingPrinter flagged;
    Report::print(rig.store, flagged);
    QVERIFY(flagged.lines[4 + 130 + 2 + 1 + 3].first.contains("\t10.000003*\t"));
    QCOMPARE(flagged.lines.last().first, QString("Set 10, position 3: box end"));
    QCOMPARE(flagged.lines.size(), p.lines.size() + 4);  // the gap, a title, a reason
}

void TestFiles::reportOfEmptyTable() {
    Rig rig(false);
    RecordingPrinter p;
    Report::print(rig.store, p);
    QCOMPARE(p.lines.size(), 4 + 4 * 2 + 3 * 2);
    QVERIFY(p.ended);
}

void TestFiles::reportToPdf() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    Rig rig;
    rig.fill();
    rig.store.writeReading(30, 1, "7.777777");
    rig.dialog.answers << rig.path("report.pdf");
    printReadings(rig.store, rig.dialog, rig.messages);
    QCOMPARE(rig.dialog.shown.first().title, QString("Print Schedule"));
    QProcess p;
    p.start("pdftotext", {"-layout", rig.path("report.pdf"), "-"});
    QVERIFY(p.waitForFinished(20000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY(text.count(QChar(12)) >= 4);  // many pages
    qsizetype at = 0;
    for (const char* needle : {"Set 1", "Set 8", "1.000001", "8.000128", "Set 9", "16.000128",
                               "Set 25", "Set 30", "7.777777", "30.000128"}) {
        const qsizetype next = text.indexOf(QLatin1String(needle), at);
        QVERIFY2(next >= 0, needle);
        at = next;
    }
}

void TestFiles::printCancelled() {
    Rig rig;
    rig.dialog.answers << "";
    printReadings(rig.store, rig.dialog, rig.messages);
    QCOMPARE(rig.dialog.shown.size(), 1);
    QVERIFY2(rig.messages.texts.isEmpty(), "a cancelled print is no failure");
}

void TestFiles::changesWhileWritingStayUnsaved_data() {
    QTest::addColumn<QString>("meanwhile");  // what changes before the write is told done
    QTest::addColumn<bool>("modified");      // the table counts as unsaved afterwards
    QTest::addColumn<bool>("undoCleans");    // one Undo brings it back to what was saved
    QTest::newRow("nothing") << "" << false << false;
    QTest::newRow("a flag") << "flag" << true << true;
    QTest::newRow("a flag undone and another made") << "flag undo other" << true << true;
    QTest::newRow("a download") << "reading" << true << false;
}

void TestFiles::changesWhileWritingStayUnsaved() {
    QFETCH(QString, meanwhile);
    QFETCH(bool, modified);
    QFETCH(bool, undoCleans);
    Rig rig;
    rig.fill();
    EditHistory& history = rig.store.history();
    QVERIFY(history.setFlag(2, 2, "first").ok());
    const QString file = rig.path("s.orvanta");
    rig.dialog.answers << file;
    rig.files->Save();
    // The outcome comes through the event loop: what happens before it is not in the file.
    if (meanwhile.contains("flag")) QVERIFY(history.setFlag(1, 1, "broken core").ok());
    if (meanwhile.contains("undo")) QVERIFY(history.undo().ok());
    if (meanwhile.contains("other")) QVERIFY(history.setFlag(1, 2, "other").ok());
    if (meanwhile.contains("reading")) QVERIFY(rig.store.writeReading(1, 1, "9.9").ok());
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    QCOMPARE(rig.files->documentPath(), file);
    QCOMPARE(rig.files->modified(), modified);
    if (modified && history.canUndo()) {
        QVERIFY(history.undo().ok());
        QCOMPARE(!rig.files->modified(), undoCleans);
    }
    ReadingsStore reread(rig.path("reread.db"));
    QVERIFY(reread.open().ok());
    QVERIFY(SurveyFile::openAny(reread, file).ok());
    QCOMPARE(reread.flag(2, 2), QString("first"));
    QCOMPARE(reread.flag(1, 1), QString());
    QCOMPARE(reread.reading(1, 1), QString("1.000001"));
}

void TestFiles::saveKeepsTheDocumentsFormat_data() {
    QTest::addColumn<QString>("opened");  // the file the table came from: s.orvanta, s.csv, s.dat
    QTest::addColumn<QString>("change");  // "flag" (the user's own edit) or "reading" (a download)
    QTest::addColumn<bool>("dialog");     // Save asked for a name
    QTest::newRow("survey, flagged") << "s.orvanta"
                                     << "flag" << false;
    QTest::newRow("long table, flagged") << "s.csv"
                                         << "flag" << false;
    QTest::newRow("data file, flagged") << "s.dat"
                                        << "flag" << true;
    QTest::newRow("survey, then a download") << "s.orvanta"
                                             << "reading" << true;
    QTest::newRow("long table, then a download") << "s.csv"
                                                 << "reading" << true;
}

void TestFiles::saveKeepsTheDocumentsFormat() {
    QFETCH(QString, opened);
    QFETCH(QString, change);
    QFETCH(bool, dialog);
    Rig rig;
    rig.fill();
    const QString file = rig.path(opened);
    QVERIFY(SurveyFile::saveAs(rig.store, file, SurveyFile::formatForName(file)).ok());
    const QByteArray start = readAll(file).left(16);
    rig.files->openPath(file);
    QCOMPARE(rig.files->documentPath(), file);
    QVERIFY(!rig.files->modified());
    QVERIFY(change == "flag" ? rig.store.history().setFlag(1, 1, "broken core").ok()
                             : rig.store.writeReading(1, 1, "9.9").ok());
    QVERIFY(rig.files->modified());
    rig.dialog.answers << "";  // a dialog, if one comes, is cancelled
    rig.files->Save();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.files->isWriting(), 10000);
    QCOMPARE(!rig.dialog.shown.isEmpty(), dialog);
    // Never another format under the file's name.
    QCOMPARE(readAll(file).left(16), start);
    QCOMPARE(rig.files->modified(), dialog);
    if (dialog) return;
    ReadingsStore reread(rig.path("reread.db"));
    QVERIFY(reread.open().ok());
    QVERIFY(SurveyFile::openAny(reread, file).ok());
    QCOMPARE(reread.flag(1, 1), QString("broken core"));
    QCOMPARE(reread.reading(30, 128), rig.store.reading(30, 128));
}

void TestFiles::dataFileQuestionNamesWhatGoes_data() {
    QTest::addColumn<QString>("held");   // what set 2 holds beside its readings
    QTest::addColumn<QString>("named");  // what the question names; "" no question
    QTest::newRow("nothing") << ""
                             << "";
    QTest::newRow("units") << "units"
                           << "drops the units of sets 2.";
    QTest::newRow("a site") << "site"
                            << "drops the details typed for sets 2.";
    QTest::newRow("a flag") << "flag"
                            << "drops the flags of 1 readings, with their reasons.";
    QTest::newRow("all three") << "units site flag"
                               << "drops the details typed for sets 2; the units of sets 2; the "
                                  "flags of 1 readings, with their reasons.";
    QTest::newRow("a reading's GPS place") << "place"
                                           << "drops the places of 1 readings, taken by GPS.";
    QTest::newRow("units, never asked again") << "units never"
                                              << "";
}

void TestFiles::dataFileQuestionNamesWhatGoes() {
    QFETCH(QString, held);
    QFETCH(QString, named);
    Rig rig;
    rig.fill();
    SettingsStore settings(rig.path("Orvanta.conf"));
    FileMenuCommands files(
        {rig.store, rig.dialog, rig.messages, rig.tmp.path(), {}, {}, &settings});
    SetDetails d = rig.store.details(2);
    if (held.contains("units")) d.units = Meter::Units::SI;
    if (held.contains("site")) d.site = "Hole 7";
    QVERIFY(rig.store.setDetails(2, d).ok());
    if (held.contains("flag")) QVERIFY(rig.store.setFlag(2, 5, "box end").ok());
    if (held.contains("place")) QVERIFY(rig.store.setPlace(2, 5, {46.5, 7.25, {}, {}}).ok());
    if (held.contains("never")) {
        // Units alone may be let go for good, from the question itself.
        rig.dialog.answers << rig.path("first.dat");
        rig.messages.choiceAnswers << 3;
        files.Save();
        QTRY_VERIFY_WITH_TIMEOUT(!files.isWriting(), 10000);
        QCOMPARE(rig.messages.questions.size(), 1);
        rig.messages.questions.clear();
    }
    rig.dialog.answers << rig.path("s.dat");
    rig.messages.choiceAnswers << 1;  // the data file only
    files.Save();
    QTRY_VERIFY_WITH_TIMEOUT(!files.isWriting(), 10000);
    QCOMPARE(rig.messages.questions.size(), named.isEmpty() ? 0 : 1);
    if (!named.isEmpty())
        QVERIFY2(rig.messages.questions[0].contains(named), qPrintable(rig.messages.questions[0]));
    QVERIFY(QFile::exists(rig.path("s.dat")));
}

QTEST_MAIN(TestFiles)
#include "test_files.moc"
