// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCategoryAxis>
#include <QChartView>
#include <QLegendMarker>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QXYSeries>
#include <QtTest>

#include "AppRig.h"
#include "MeterLine.h"
#include "Nmea.h"
#include "Pty.h"
#include "core/common/Messages.h"
#include "core/files/ExportFormats.h"
#include "core/files/FileCommands.h"
#include "core/files/SurveyExport.h"
#include "core/panel/LiveScale.h"
#include "core/plot/PlotModel.h"
#include "core/store/EditHistory.h"
#include "gui/dialogs/ManualWindow.h"
#include "gui/dialogs/OptionsDialog.h"
#include "gui/files/RecordingCommands.h"
#include "gui/main/MainMenus.h"
#include "gui/main/WindowLayout.h"
#include "gui/panel/ReadingPanel.h"
#include "gui/plot/PlotWindow.h"
#include "gui/plot/ProfileChart.h"
#include "gui/plot/TrendChart.h"
#include "gui/printing/PrintCommand.h"

namespace {
/** The ticks a chart's axis shows now, as the user reads them. */
QStringList ticksOf(QChartView& view, Qt::Orientation orientation) {
    for (QAbstractAxis* axis : view.chart()->axes(orientation))
        if (auto* ticks = qobject_cast<QCategoryAxis*>(axis))
            return ticks->isVisible() ? ticks->categoriesLabels() : QStringList();
    return {};
}
/** The points a chart's first line draws. */
int pointsOf(QChartView& view) {
    const auto* line = qobject_cast<QXYSeries*>(view.chart()->series().value(0));
    return line ? static_cast<int>(line->count()) : 0;
}
}  // namespace

class TestWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keyboardAndScreenReadersReachTheWindows();
    void workedOutNumbersInTheUsersFormat();
    void droppedFilesOpenAsOpenDoes();
    void plotOfDownloadedSetRendered();
    void csvCommandUsesChosenSeparator();
    void printPreviewShowsTheListing();
    void reconnectsAndResumesContinuousReadings();
    void titleTellsFileAndUnsavedReadings();
    void stopReadingsAndStatusBar();
    void recordingWritesEachReading();
    void gpsPositionsGoWithRecordedReadings();
    void recordingOpensIntoTheSetChosen();
    void recordingPlacedByATrack();
    void windowPlacedOnScreen_data();
    void windowPlacedOnScreen();
    void layoutRestoredAtNextStart();
    void liveTrendKeepsTheLastValuesOfARun();
    void panelFitsTheWorkArea_data();
    void panelFitsTheWorkArea();
    void plotMarksFlagsAndChoosesSets();
    void manualOpensWithF1();
};

void TestWindows::plotOfDownloadedSetRendered() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    (*rig.session).DownloadCurrentSet();
    QByteArray set = "S06\nU1";
    for (int i = 1; i <= 60; ++i)
        set += QByteArray::number(0.0005 + 0.0004 * i + 0.0003 * std::sin(i / 4.0), 'f', 6) + "\n";
    set += "\r\r";
    for (qsizetype at = 0; at < set.size(); at += 100) {  // never more than 512 waiting
        const qint64 taken = (*rig.session).link().bytesReceived() + set.mid(at, 100).size();
        pty.send(set.mid(at, 100));
        QTRY_VERIFY((*rig.session).link().bytesReceived() >= taken);
    }
    QTRY_VERIFY(!progressOf(w) && (*rig.session).store().cell(59, 6) != "0.000000");
    QCOMPARE(PlotModel::setsWithReadings((*rig.session).store()), QList<int>{6});
    PlotWindow& plot = plotOf(w);
    QCOMPARE(plot.chosenSets(), QList<int>{6});
    QCOMPARE(plot.findChild<ProfileChart*>("ProfileChart")->series().value(0).points.size(), 60);
    QCOMPARE(PlotModel::yLabel(Meter::Units::SI, false), QString("Susceptibility (SI)"));
    const QString dir = QStringLiteral(ORVANTA_BUILD_DIR "/screenshots");
    QDir().mkpath(dir);
    QVERIFY(plot.saveImage(dir + "/plot-set6.png").ok());
    QVERIFY(plot.saveImage(dir + "/plot-set6.svg").ok());
    QVERIFY(plot.saveImage(dir + "/plot-set6.pdf").ok());
    QFile pdf(dir + "/plot-set6.pdf");
    QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
    // A plot that cannot be written says so.
    rig.dialog.answers << dir + "/no-such-folder/plot.png";
    plot.savePlot();
    QCOMPARE(rig.messages.texts.size(), 1);
    QVERIFY(
        rig.messages.texts[0].startsWith(dir + "/no-such-folder/plot.png could not be written"));
    QVERIFY(QImage(dir + "/plot-set6.png").width() == 1200);
    QFile svg(dir + "/plot-set6.svg");
    QVERIFY(svg.open(QIODevice::ReadOnly) && svg.readAll().contains("<svg"));
    // The value under the mouse, a rubber band zoom with its own round ticks, and back.
    ProfileChart& chart = *plot.findChild<ProfileChart*>("ProfileChart");
    QCOMPARE(chart.accessibleDescription(), QString());
    const double at12 =
        plot.findChild<ProfileChart*>("ProfileChart")->series().value(0).points.value(11).y();
    QCOMPARE(chart.valueAt(chart.positionOf(6, 12, at12) + QPoint(3, -2)),
             QString("Set 6, position 12: %1").arg(at12, 0, 'g', 6));
    QCOMPARE(chart.valueAt(chart.positionOf(6, 12, at12) + QPoint(40, 40)), QString());
    QCOMPARE(ticksOf(chart, Qt::Horizontal),
             (QStringList{"0", "10", "20", "30", "40", "50", "60"}));
    QVERIFY(!plot.findChild<QPushButton*>("ResetZoomButton")->isEnabled());
    QTest::mousePress(chart.viewport(), Qt::LeftButton, {}, chart.positionOf(6, 10, 0.02));
    QTest::mouseMove(chart.viewport(), chart.positionOf(6, 20, 0.005));
    QTest::mouseRelease(chart.viewport(), Qt::LeftButton, {}, chart.positionOf(6, 20, 0.005));
    QVERIFY(chart.zoomed() && plot.findChild<QPushButton*>("ResetZoomButton")->isEnabled());
    QVERIFY(std::abs(chart.view().xMin - 10) < 0.5 && std::abs(chart.view().xMax - 20) < 0.5);
    QVERIFY(ticksOf(chart, Qt::Horizontal).size() >= 4);
    for (const QString& tick : ticksOf(chart, Qt::Horizontal))  // steps of 2, within the zoom
        QVERIFY2(tick.toInt() % 2 == 0 && tick.toInt() >= chart.view().xMin &&
                     tick.toInt() <= chart.view().xMax,
                 qPrintable(tick));
    plot.findChild<QPushButton*>("ResetZoomButton")->click();
    QVERIFY(!chart.zoomed() && !plot.findChild<QPushButton*>("ResetZoomButton")->isEnabled());
    QVERIFY(chart.view() == chart.fullView());
    // The keyboard does the same.
    QTest::keyClick(&chart, Qt::Key_Plus);
    QVERIFY(chart.zoomed() && chart.view().xMax - chart.view().xMin < 60);
    QTest::keyClick(&chart, Qt::Key_Escape);
    QVERIFY(chart.view() == chart.fullView());
    plot.findChild<QCheckBox*>("LogScale")->setChecked(true);
    QCOMPARE(ticksOf(chart, Qt::Vertical), (QStringList{"1E-4", "1E-3", "1E-2", "1E-1"}));
    plot.findChild<QCheckBox*>("LogScale")->setChecked(false);
    // A second download redraws the plot with the new set, and a zoom stays.
    chart.setView({5, 15, 0, 0.01});
    (*rig.session).DownloadCurrentSet();
    pty.send("S07\nU1" + QByteArray("0.002\n0.003\n") + "\r\r");
    QTRY_COMPARE(plot.findChild<ProfileChart*>("ProfileChart")->series().size(), 2);
    QVERIFY(chart.view() == (ProfileChart::View{5, 15, 0, 0.01}));
    QVERIFY(actionOf(w, "Plotmenu") && actionOf(w, "Plot"));
    // A set with a depth is drawn against it, downwards when asked, as a log is read.
    SetDetails logged = (*rig.session).store().details(6);
    logged.depthM = 100;
    logged.spacingM = 0.5;
    QVERIFY((*rig.session).store().setDetails(6, logged).ok());
    plot.chooseSets({6});
    auto* down = plot.findChild<QCheckBox*>("DepthDown");
    QVERIFY(down->isEnabled() && chart.xLabel() == "Depth (m)");
    down->setChecked(true);
    QVERIFY(chart.downwards());
    QCOMPARE(chart.series().value(0).points.value(11).x(), 105.5);
    QCOMPARE(chart.valueAt(chart.positionOf(6, 105.5, at12) + QPoint(2, 2)),
             QString("Set 6, position 12 (105.5 m): %1").arg(at12, 0, 'g', 6));
    QVERIFY(plot.saveImage(dir + "/plot-depth.png").ok());
    plot.chooseSets({6, 7});  // set 7 has no depth: all against position
    QVERIFY(!down->isEnabled() && chart.xLabel() == "Reading position" && !chart.downwards());
    // The survey summary prints to a whole PDF.
    rig.dialog.answers << dir + "/summary.pdf";
    actionOf(w, "PrintSummarymenu")->trigger();
    QFile summary(dir + "/summary.pdf");
    QVERIFY(summary.open(QIODevice::ReadOnly) && summary.read(5) == "%PDF-");
    QCOMPARE(rig.messages.texts.size(), 1);  // only the plot's, above
}

void TestWindows::droppedFilesOpenAsOpenDoes() {
    AppRig rig;
    MainWindow& w = rig.start();
    QVERIFY((*rig.session).store().writeReading(4, 1, "0.5").ok());
    // Whether the window took the drop (the drag's source is told so).
    const auto drop = [&w](const QStringList& paths) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &dropped);
        return dropped.isAccepted();
    };
    const QString dat = QStringLiteral(ORVANTA_TEST_DATA "/datfiles/two_records.dat");
    QVERIFY(!drop({rig.env.root() + "/notes.txt"}));  // not a file of ours: not taken
    // Another program's .dat, text or bytes, is not taken for a data file.
    for (const QByteArray& other :
         {QByteArray("notes from the outcrop\n"), QByteArray("\1\0\0\0")}) {
        QFile notes(rig.env.root() + "/notes.dat");
        QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write(other) == other.size());
        notes.close();
        QVERIFY(!drop({notes.fileName()}));
    }
    // Two files: not taken, and told why.
    rig.messages.texts.clear();
    QVERIFY(!drop({dat, dat}));
    QTRY_COMPARE(rig.messages.texts.size(), 1);
    QVERIFY(rig.messages.texts.first().contains("2 files were dropped"));
    rig.messages.answerYes = false;  // the unsaved readings are kept when the user says so
    QVERIFY(drop({dat}));
    QTRY_COMPARE(rig.messages.questions.size(), 1);
    QCOMPARE((*rig.session).store().reading(4, 1), QString("0.5"));
    rig.messages.answerYes = true;
    QVERIFY(drop({dat}));
    QTRY_COMPARE((*rig.session).store().reading(3, 1), QString("3.001000"));
    // A long table the program wrote is dropped as it is opened.
    const QString table = rig.env.root() + "/long.csv";
    QVERIFY((*rig.session).store().writeReading(9, 2, "0.25").ok());
    QVERIFY(FileCommands::writeWhole(table, SurveyExport::longTable((*rig.session).store())).ok());
    QVERIFY((*rig.session).store().clearAll().ok());
    QVERIFY(drop({table}));
    QTRY_COMPARE((*rig.session).store().reading(9, 2), QString("0.25"));
}

void TestWindows::csvCommandUsesChosenSeparator() {
    AppRig rig;
    MainWindow& w = rig.start();
    (*rig.session).store().writeReading(4, 1, "0.5");
    rig.dialog.answers << rig.env.root() + "/out.csv";
    rig.dialog.filterAnswers << 1;
    actionOf(w, "ExportCsvmenu")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!w.files().isWriting(), 10000);
    QFile f(rig.env.root() + "/out.csv");
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Number;Set 4\r\n1;0,5\r\n"));
    QCOMPARE(rig.dialog.shown.last().filters,
             QStringList({"CSV, decimal point (*.csv)", "CSV, decimal comma (*.csv)"}));
    // File > Export holds an item for each format of the list that has one.
    for (const ExportFormats::Format& format : ExportFormats::all())
        QCOMPARE(!format.menuName.isEmpty() && actionOf(w, format.menuName),
                 format.menuText != nullptr);
}

void TestWindows::printPreviewShowsTheListing() {
    AppRig rig;
    MainWindow& w = rig.start();
    QPrinter printer;
    QPrintPreviewWidget preview(&printer);
    connect(&preview, &QPrintPreviewWidget::paintRequested, this,
            [&](QPrinter* p) { paintReport((*rig.session).store(), *p); });
    preview.updatePreview();
    QVERIFY(preview.pageCount() >= 4);
    QVERIFY(actionOf(w, "PrintPreviewmenu"));
}

void TestWindows::reconnectsAndResumesContinuousReadings() {
    AppRig rig;
    UsbMeter meter(rig.env, 6);
    rig.start();
    (*rig.session).ShowContinuousReadings();
    QCOMPARE(meter.pty().receive(50), QByteArray("A"));
    meter.unplug();
    QTRY_VERIFY(!(*rig.session).isConnected());
    QVERIFY(lookedForMeter(*rig.session));  // and found nothing to open
    QVERIFY(!(*rig.session).isConnected());
    QVERIFY(meter.plugIn());
    QTRY_VERIFY_WITH_TIMEOUT((*rig.session).isConnected(), 3000);
    QCOMPARE(meter.pty().receive(100), QByteArray("A"));
    QCOMPARE(rig.messages.texts, QStringList{"The connection to the meter was lost."});
    // After a download, a reconnection sends nothing.
    (*rig.session).DownloadCurrentSet();
    QCOMPARE(meter.pty().receive(50), QByteArray("C"));
}

void TestWindows::titleTellsFileAndUnsavedReadings() {
    MeterRig rig(5);
    Pty& pty = rig.pty;
    MainWindow& w = rig.start();
    QCOMPARE(w.windowTitle(), QString("Orvanta"));
    (*rig.session).DownloadCurrentSet();
    sendPaced(pty, (*rig.session), "S03\nU1M10.5\n0.25\n\r\r");
    QTRY_VERIFY(!(*rig.session).isDownloading());
    QCOMPARE(w.windowTitle(), QString("Orvanta*"));
    QVERIFY(QDir(rig.env.root()).mkpath("surveys"));
    const QString file = rig.env.root() + "/surveys/survey.dat";
    rig.dialog.answers << file;
    rig.messages.choiceAnswers << 1;  // the data file, without the download's details
    w.files().Save();
    QTRY_VERIFY_WITH_TIMEOUT(!w.files().isWriting(), 10000);
    // What the data file drops is named: the download's units, nothing typed.
    QCOMPARE(rig.messages.questions.size(), 1);
    QVERIFY(rig.messages.questions[0].contains("drops the units of sets 3."));
    rig.messages.questions.clear();
    QCOMPARE(w.windowTitle(), QString("Orvanta - survey.dat"));
    // Readings that are in their file go without a question; a change makes New ask again.
    w.files().New();
    QCOMPARE(rig.messages.questions.size(), 0);
    QCOMPARE(w.windowTitle(), QString("Orvanta - survey.dat*"));
    rig.dialog.answers << file;
    w.files().Open();
    QCOMPARE(w.windowTitle(), QString("Orvanta - survey.dat"));
    // A detail the user types is a change, as a reading is.
    auto* site = w.findChild<QLineEdit*>("Detail_site");
    site->setText("Outcrop");
    Q_EMIT site->editingFinished();
    QCOMPARE(w.windowTitle(), QString("Orvanta - survey.dat*"));
    rig.dialog.answers << file;
    w.files().Save();  // the user chose the data file for these details before: not asked again
    QTRY_VERIFY_WITH_TIMEOUT(!w.files().isWriting(), 10000);
    QCOMPARE(w.windowTitle(), QString("Orvanta - survey.dat"));
    QVERIFY(rig.messages.questions.isEmpty());
    (*rig.session).DownloadCurrentSet();
    sendPaced(pty, (*rig.session), "S03\nU1M10.75\n\r\r");
    QTRY_COMPARE(w.windowTitle(), QString("Orvanta - survey.dat*"));
    rig.messages.answerYes = false;
    w.files().New();
    QCOMPARE(rig.messages.questions.size(), 1);
    // The file is first among the recent files, in this run and the next.
    QCOMPARE(WindowLayout(&rig.settings).recentFiles(), QStringList{file});
    QCOMPARE(w.findChild<QMenu*>("Recentmenu")->actions().size(), 1);
    MainWindow& again = rig.start();
    QCOMPARE(WindowLayout(&rig.settings).recentFiles(), QStringList{file});
    QCOMPARE(again.findChild<QMenu*>("Recentmenu")->actions().size(), 1);
    // The file dialogs open where a file was last chosen.
    rig.dialog.answers << "";
    again.files().Open();
    QCOMPARE(rig.dialog.shown.last().folder, rig.env.root() + "/surveys");
}

void TestWindows::stopReadingsAndStatusBar() {
    AppRig rig;
    UsbMeter meter(rig.env, 6);
    MainWindow& w = rig.start();
    SessionStatusBar& bar = *w.findChild<SessionStatusBar*>();
    QCOMPARE(bar.portLabel->text(), "Port 6 (" + meter.pty().slavePath() + ")");
    // Open, but nothing heard from the meter yet.
    QCOMPARE(bar.connectionLabel->text(), QString("Port open, the meter has not answered yet"));
    QAction* stop = actionOf(w, "StopReadingsmenu");
    QAction* continuous = actionOf(w, "ShowAllmenu");
    QVERIFY(!stop->isEnabled());
    QCOMPARE(stop->shortcut(), QKeySequence(Qt::Key_F8));
    continuous->trigger();
    QCOMPARE(meter.pty().receive(50), QByteArray("A"));
    QVERIFY(continuous->isChecked() && stop->isEnabled());
    // Continuous readings draw the plot's live trend.
    TrendChart& trend = *plotOf(w).findChild<TrendChart*>("TrendChart");
    meter.pty().send(
        "U1M1N\x80R\x81"
        "0.5\n"
        "U1M1N\x80R\x81"
        "0.75\n");
    QTRY_COMPARE(pointsOf(trend), 2);
    QCOMPARE(bar.connectionLabel->text(), QString("Connected"));
    // The trend saves as its values and as an image.
    const QString csv = rig.env.root() + "/trend.csv";
    QVERIFY(plotOf(w).saveTrend(csv).ok() && plotOf(w).saveTrend(csv + ".svg").ok());
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> rows = saved.readAll().trimmed().split('\n');
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0], QByteArray("time,value\r"));
    QVERIFY(rows[1].endsWith("Z,0.5\r") && rows[2].endsWith("Z,0.75"));
    QVERIFY(trend.valueAt(trend.positionOf(1)).endsWith(": 0.75"));
    // The tool bar's button is a toggle: pressed while readings run, it stops them.
    QAction* button = actionOf(w, "Getallreadings");
    QVERIFY(button->isChecked());
    button->trigger();
    QCOMPARE(meter.pty().receive(50), QByteArray("P"));
    QVERIFY(!button->isChecked() && !continuous->isChecked() && !stop->isEnabled());
    continuous->trigger();
    QCOMPARE(meter.pty().receive(50), QByteArray("A"));
    QVERIFY(button->isChecked());
    stop->trigger();
    QCOMPARE(meter.pty().receive(50), QByteArray("P"));
    QVERIFY(!continuous->isChecked() && !stop->isEnabled() && !button->isChecked());
    const QString device = meter.pty().slavePath();
    meter.unplug();
    QTRY_COMPARE(bar.connectionLabel->text(), QString("Connection lost, reconnecting"));
    // The device that went away is named, whatever the number points at now.
    QCOMPARE(bar.portLabel->text(), "Port 6 (" + device + ")");
}

void TestWindows::recordingOpensIntoTheSetChosen() {
    AppRig rig;
    MainWindow& w = rig.start();
    ReadingsStore& store = (*rig.session).store();
    QVERIFY(store.writeReading(2, 1, "0.75").ok());
    const QString file = rig.env.root() + "/run1.csv";
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(
        "time,value,units,set,reading,mark\r\n2026-12-08T10:00:00.000Z,0.5,CGS,1,1,\r\n"
        "2026-12-08T10:00:01.000Z,0.25,CGS,1,1,\"A\"\r\n");
    f.close();
    const qsizetype toldBefore = rig.messages.texts.size();  // the start-up's, no meter
    QList<QString> asked;
    std::optional<int> answer;  // cancelled first
    w.files().askSet = [&](const QString& name) {
        asked << name;
        return answer;
    };
    w.files().openPath(file);
    QCOMPARE(asked, QList<QString>{"run1.csv"});
    QCOMPARE(store.readingCount(7), 0);
    answer = 7;
    w.files().openPath(file);
    QCOMPARE(store.reading(7, 2), QString("0.25"));
    QCOMPARE(store.setUnits(7), std::optional<Meter::Units>(Meter::Units::CGS));
    QCOMPARE(store.reading(2, 1), QString("0.75"));  // the other sets stay
    QCOMPARE(w.findChild<SessionStatusBar*>()->downloadLabel->text(),
             QString("Set 7 now holds the 2 readings of run1.csv"));
    QCOMPARE(rig.messages.texts.size(), toldBefore);
}

void TestWindows::recordingPlacedByATrack() {
    AppRig rig;
    MainWindow& w = rig.start();
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(rig.env.root() + '/' + name);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() ? f.fileName()
                                                                              : QString();
    };
    const QString recording = write("run.csv",
                                    "time,value,units,set,reading,mark\r\n"
                                    "2026-12-08T10:00:05.000Z,0.5,SI,1,1,\r\n");
    const QString track =
        write("walk.gpx",
              "<gpx version=\"1.1\" creator=\"t\" "
              "xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>"
              "<trkpt lat=\"46\" lon=\"7\"><time>2026-12-08T10:00:00Z</time></trkpt>"
              "<trkpt lat=\"46.1\" lon=\"7.1\"><time>2026-12-08T10:00:10Z</time></trkpt>"
              "</trkseg></trk></gpx>");
    const QString placed = rig.env.root() + "/run-placed.csv";
    rig.dialog.answers << recording << track << placed;
    actionOf(w, "PlaceRecordingmenu")->trigger();
    QFile f(placed);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll().split('\n').value(1),
             "2026-12-08T10:00:05.000Z,0.5,SI,1,1,,46.0500000,7.0500000,\r");
    QCOMPARE(rig.dialog.shown.last().offered, QString("run-placed.csv"));
    QVERIFY(w.findChild<SessionStatusBar*>()->downloadLabel->text().startsWith(
        "1 of 1 readings placed from the track"));
}

void TestWindows::gpsPositionsGoWithRecordedReadings() {
    AppRig rig;
    UsbMeter meter(rig.env, 6);
    Pty receiver;
    MainWindow& w = rig.start();
    QLabel* gps = w.findChild<SessionStatusBar*>()->gpsLabel;
    QVERIFY(!gps->isVisible());  // no receiver chosen
    // Options: the meter's own port is refused, the receiver's device taken and kept.
    w.showOptions();
    auto* options = w.findChild<OptionsDialog*>();
    options->gpsDevice->setText(meter.pty().slavePath());
    options->confirm();
    QVERIFY(rig.messages.texts.value(0).contains("is the meter's port"));
    options->gpsDevice->setText(receiver.slavePath());
    options->confirm();
    QCOMPARE(rig.setting("GPS Device"), receiver.slavePath());
    receiver.send(Nmea::gga("GP", 46.5, 7.25, 1204.5, 7) + Nmea::rmc("GP", 46.5, 7.25));
    QTRY_VERIFY2(gps->text().startsWith("GPS 3D, 7 satellites"), qPrintable(gps->text()));
    // Set Details takes the fix as the set's position, in one step Undo takes back.
    auto* take = w.findChild<QPushButton*>("FromGpsButton");
    QTRY_VERIFY(take && take->isEnabled());
    take->click();
    const SetDetails taken = (*rig.session).store().details(1);
    QVERIFY(taken.latitude == 46.5 && taken.longitude == 7.25 && taken.elevationM == 1204.5);
    QVERIFY((*rig.session).store().history().undo().ok());
    QVERIFY(!(*rig.session).store().details(1).hasLocation());
    const QString file = rig.env.root() + "/run1.csv";
    rig.dialog.answers << file;
    recorderOf(w).recordReadings(true);
    (*rig.session).ShowContinuousReadings();
    meter.pty().send(
        "U1M1N\x80R\x81"
        "0.5\n");
    QTRY_COMPARE(recorderOf(w).recording().count(), 1);
    // A reading stored in the readings database keeps the fix with it.
    MeterSession& session = *rig.session;
    QSignalSpy stored(&session, &MeterSession::storedToPC);
    QVERIFY(session.setStoreToPC(true));
    session.storeShownReading();
    QCOMPARE(stored.size(), 1);
    const auto kept = session.store().place(stored[0][0].toInt(), stored[0][1].toInt());
    QVERIFY(kept && kept->latitude == 46.5 && kept->longitude == 7.25 &&
            kept->elevationM == 1204.5 && kept->fixUtc.isValid());
    // The fix lost: the next reading has no position.
    receiver.send(Nmea::gga("GP", 46.5, 7.25, 1204.5, 3, 0));
    QTRY_COMPARE(gps->text(), QString("GPS: no fix"));
    QVERIFY(!take->isEnabled());
    meter.pty().send(
        "U1M1N\x80R\x81"
        "0.75\n");
    QTRY_COMPARE(recorderOf(w).recording().count(), 2);
    session.storeShownReading();  // in the same place: the earlier reading's fix goes with it
    QCOMPARE(stored.size(), 2);
    QVERIFY(!session.store().place(stored[1][0].toInt(), stored[1][1].toInt()));
    recorderOf(w).recordReadings(false);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.value(0), "time,value,units,set,reading,mark,latitude,longitude,elevation_m\r");
    QVERIFY2(lines.value(1).endsWith(",0.5,SI,1,1,,46.5000000,7.2500000,1204.5\r"),
             lines.value(1).constData());
    QVERIFY2(lines.value(2).endsWith(",0.75,SI,1,1,,,,\r"), lines.value(2).constData());
}

void TestWindows::recordingWritesEachReading() {
    AppRig rig;
    UsbMeter meter(rig.env, 6);
    MainWindow& w = rig.start();
    MainMenus& menus = *w.findChild<MainMenus*>();
    const QString file = rig.env.root() + "/run1.csv";
    rig.dialog.answers << file;
    actionOf(menus, "RecordReadingsmenu")->trigger();
    QVERIFY(recorderOf(w).recording().isRecording() && actionOf(menus, "Record")->isChecked());
    (*rig.session).ShowContinuousReadings();
    meter.pty().send(
        "U1M1N\x80R\x81"
        "0.5\n");
    QTRY_COMPARE(recorderOf(w).recording().count(), 1);
    recorderOf(w).askMark = [] { return QStringLiteral("Station \"A\", north"); };
    actionOf(menus, "MarkReadingmenu")->trigger();
    meter.pty().send(
        "U2M1N\x82R\x83"
        "-0.25\n"
        "U2M1N\x82R\x83"
        "1.5\n");
    QTRY_COMPARE(recorderOf(w).recording().count(), 3);
    QVERIFY(w.findChild<SessionStatusBar*>()->downloadLabel->text().contains(
        "Recording to " + file + ": 3 readings"));
    actionOf(menus, "Record")->trigger();  // the button ends it
    QVERIFY(!recorderOf(w).recording().isRecording() &&
            !actionOf(menus, "RecordReadingsmenu")->isChecked());
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    QCOMPARE(lines.size(), 5);  // header, three readings, the end of the last line
    QCOMPARE(lines[0], QByteArray("time,value,units,set,reading,mark\r"));
    const QByteArray expected[] = {
        ",0.5,SI,1,1,\r", ",-0.25,CGS,3,3,\"Station \"\"A\"\", north\"\r", ",1.5,CGS,3,3,\r"};
    for (int i = 0; i < 3; ++i) {
        const QByteArray line = lines[i + 1];
        QVERIFY2(line.endsWith(expected[i]), line.constData());
        const QDateTime time = QDateTime::fromString(
            QString::fromLatin1(line.left(line.indexOf(','))), Qt::ISODateWithMs);
        QVERIFY(time.isValid() && time.timeSpec() == Qt::UTC && line.indexOf('.') == 19);
    }
}

void TestWindows::windowPlacedOnScreen_data() {
    QTest::addColumn<QRect>("window");
    QTest::addColumn<QRect>("placed");
    const QRect screen(0, 0, 1280, 800);
    QTest::newRow("already on it") << QRect(100, 50, 600, 400) << QRect(100, 50, 600, 400);
    QTest::newRow("off to the right and below")
        << QRect(1000, 700, 600, 400) << QRect(680, 400, 600, 400);
    QTest::newRow("from a larger screen") << QRect(-200, -100, 2560, 1440) << screen;
    QTest::newRow("left of it") << QRect(-900, 10, 600, 400) << QRect(0, 10, 600, 400);
}

void TestWindows::windowPlacedOnScreen() {
    QFETCH(QRect, window);
    QFETCH(QRect, placed);
    QCOMPARE(WindowLayout::placedOnScreen(window, QRect(0, 0, 1280, 800)), placed);
}

void TestWindows::layoutRestoredAtNextStart() {
    AppRig rig;
    MainWindow& first = rig.start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // The first start fills the work area, its frame inside it.
    QVERIFY(first.isMaximized());
    QTRY_VERIFY(screen.contains(first.frameGeometry()));
    const QRect left(screen.topLeft() + QPoint(20, 30), screen.size() - QSize(40, 60));
    first.setGeometry(left);
    first.findChild<MainMenus*>()->chooseSet(12);
    PlotWindow& plot = plotOf(first);
    plot.chooseSets({2, 7});
    plot.findChild<QCheckBox*>("LogScale")->setChecked(true);
    workOf(first).panel();
    first.findChild<QMdiSubWindow*>("frmReadingWindow")->move(40, 50);
    QVERIFY(first.findChild<QMdiSubWindow*>("frmPlotWindow")->close());
    QVERIFY(plotOf(first).isVisible());  // closed, not gone
    first.close();
    MainWindow& next = rig.start();
    QCOMPARE(next.geometry(), left);
    QCOMPARE((*rig.session).state().selectedSet, 12);
    QCOMPARE(actionOf(next, "Getset")->toolTip(), QString("Download Set 12 (Shift+F5)"));
    PlotWindow& again = plotOf(next);
    QVERIFY(again.isVisible());
    QCOMPARE(again.chosenSets(), (QList<int>{2, 7}));
    QVERIFY(again.findChild<QCheckBox*>("LogScale")->isChecked());
    workOf(next).panel();
    QCOMPARE(next.findChild<QMdiSubWindow*>("frmReadingWindow")->pos(), QPoint(40, 50));
    QVERIFY(!next.findChild<QMdiSubWindow*>("frmReadingWindow")->isVisible());
    // The sets window and the panel side by side stay so at the next start.
    workOf(next).sideBySide();
    next.close();
    MainWindow& third = rig.start();
    for (const char* shown : {"frmData2Window", "frmReadingWindow"})
        QVERIFY2(third.findChild<QMdiSubWindow*>(shown)->isVisible(), shown);
}

void TestWindows::plotMarksFlagsAndChoosesSets() {
    AppRig rig;
    MainWindow& w = rig.start();
    ReadingsStore& store = (*rig.session).store();
    for (int p = 1; p <= 5; ++p) QVERIFY(store.writeReading(3, p, QString("0.%1").arg(p)).ok());
    QVERIFY(store.writeReading(8, 1, "0.7").ok());
    QVERIFY(store.setFlag(3, 4, "cracked core").ok());
    PlotWindow& plot = plotOf(w);
    auto& chart = *plot.findChild<ProfileChart*>("ProfileChart");
    // A flagged reading is off the line, marked where it is, and named under the mouse.
    const PlotModel::Series three = chart.series().value(0);
    QCOMPARE(three.positions, (QList<int>{1, 2, 3, 5}));
    QCOMPARE(three.flaggedPositions, QList<int>{4});
    QCOMPARE(chart.valueAt(chart.positionOf(3, 4, 0.4)),
             QString("Set 3, position 4: 0.4, flagged: cracked core"));
    // All, None and Only this.
    plot.findChild<QPushButton*>("NoSetsButton")->click();
    QCOMPARE(plot.chosenSets(), QList<int>{});
    plot.findChild<QPushButton*>("AllSetsButton")->click();
    QCOMPARE(plot.chosenSets(), (QList<int>{3, 8}));
    auto* list = plot.findChild<QListWidget*>("SetList");
    for (const QWidget* named : {static_cast<QWidget*>(list), static_cast<QWidget*>(&chart)})
        QVERIFY(!named->accessibleName().isEmpty());
    Q_EMIT list->itemDoubleClicked(list->item(7));
    QCOMPARE(plot.chosenSets(), QList<int>{8});
    // The legend names only the sets drawn: set 5, chosen and empty, has no entry.
    plot.chooseSets({3, 5});
    const auto named = [&] {
        QStringList out;
        for (QLegendMarker* marker : chart.chart()->legend()->markers())
            if (marker->isVisible()) out << marker->label();
        return out;
    };
    QTRY_COMPARE(named(), (QStringList{"Set 3", "Set 3, flagged"}));
}

void TestWindows::manualOpensWithF1() {
    AppRig rig;
    MainWindow& w = rig.start();
    QAction* manual = actionOf(w, "Manualmenu");
    QCOMPARE(manual->shortcut(), QKeySequence(QKeySequence::HelpContents));
    manual->trigger();
    manual->trigger();  // again: the same window, brought forward
    QCOMPARE(w.findChildren<ManualWindow*>().size(), 1);
    const QString text = w.findChild<ManualWindow*>()->text->toPlainText();
    // Readable offline, and it says what a new user needs first: the port's permission.
    for (const char* needed :
         {"sudo usermod -aG dialout $USER", "Flag Reading", "LAS", "orvanta-cli", "Side by Side"})
        QVERIFY2(text.contains(needed), needed);
    // Every topic of its contents is there.
    QTextBrowser* browser = w.findChild<ManualWindow*>()->text;
    for (const char* topic : {"start", "port", "download", "sets", "details", "flags", "stats",
                              "plot", "panel", "record", "files", "keys", "cli"}) {
        browser->scrollToAnchor(topic);
        QVERIFY2(browser->document()->toHtml().contains(QString("name=\"%1\"").arg(topic)) ||
                     browser->document()->toHtml().contains(QString("id=\"%1\"").arg(topic)),
                 topic);
    }
    // A language without a manual of its own reads the English one; Portuguese of Portugal
    // reads the Brazilian one.
    QCOMPARE(ManualWindow::sourceFor(QLocale("it_IT")), QString(":/manual/manual.html"));
    QCOMPARE(ManualWindow::sourceFor(QLocale("pt_PT")), QString(":/manual/manual_pt.html"));
}

QTEST_MAIN(TestWindows)
void TestWindows::keyboardAndScreenReadersReachTheWindows() {
    AppRig rig;
    MainWindow& w = rig.start();
    auto* menus = w.findChild<MainMenus*>();
    // Tab leaves the grid for the next control.
    auto* grid = w.findChild<QTableView*>("DataGrid1");
    grid->setFocus();
    QTRY_VERIFY(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Tab);
    QVERIFY(!grid->hasFocus());
    // Ctrl+Tab goes round the pages and the details pane; Ctrl+Shift+Tab back.
    const auto where = [&w] {
        QWidget* at = QApplication::focusWidget();
        for (const char* name : {"DataGrid1", "StatisticsGrid", "SetDetails"})
            if (auto* pane = w.findChild<QWidget*>(name);
                pane && (pane == at || pane->isAncestorOf(at)))
                return QString(name);
        return QString("elsewhere");
    };
    grid->setFocus();
    QStringList stops;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
        stops << where();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    stops << where();
    QCOMPARE(stops.join(' '), QString("StatisticsGrid SetDetails DataGrid1 SetDetails"));
    // The Number column stays in view with set 30 shown, on the rows the grid shows.
    grid->scrollTo(grid->model()->index(120, 30));
    auto* numbers = grid->findChild<QTableView*>("NumberColumn");
    QVERIFY(numbers && numbers->isVisible() && grid->columnViewportPosition(0) < 0);
    QCOMPARE(numbers->geometry().left(), grid->frameWidth());
    QTRY_COMPARE(numbers->rowAt(0), grid->rowAt(0));
    QCOMPARE(numbers->model()->data(numbers->model()->index(grid->rowAt(0), 0)).toInt(),
             grid->rowAt(0) + 1);
    // Ctrl+F6 goes from window to window; Tile puts them side by side.
    plotOf(w);
    auto* mdi = w.findChild<QMdiArea*>("MDIClient");
    QMdiSubWindow* before = mdi->activeSubWindow();
    QCOMPARE(actionOf(*menus, "NextWindowmenu")->shortcut(), QKeySequence("Ctrl+F6"));
    actionOf(*menus, "NextWindowmenu")->trigger();
    QVERIFY(mdi->activeSubWindow() != before);
    actionOf(*menus, "Tilemenu")->trigger();
    QList<QRect> shown;
    for (QMdiSubWindow* sub : mdi->subWindowList())
        if (sub->isVisible()) shown << sub->geometry();
    QCOMPARE(shown.size(), 2);
    QVERIFY(!shown[0].intersects(shown[1]));
    // View checks what is shown; Side by Side shows the sets window and the panel, apart.
    const auto checked = [&] {
        QMenu* view = w.findChild<QMenu*>("Viewmenu");
        Q_EMIT view->aboutToShow();
        QString marks;
        for (const char* name : {"Datamenu", "Metermenu", "Plotmenu"})
            marks += actionOf(*menus, name)->isChecked() ? "x" : "-";
        return marks;
    };
    QCOMPARE(checked(), QString("x-x"));
    actionOf(*menus, "Metermenu")->trigger();
    QCOMPARE(checked(), QString("-xx"));
    QCOMPARE(actionOf(*menus, "SideBySidemenu")->shortcut(), QKeySequence("Ctrl+Shift+B"));
    actionOf(*menus, "SideBySidemenu")->trigger();
    QCOMPARE(checked(), QString("xxx"));
    const QRect data = w.findChild<QMdiSubWindow*>("frmData2Window")->geometry();
    const QRect meter = w.findChild<QMdiSubWindow*>("frmReadingWindow")->geometry();
    QVERIFY(!data.intersects(meter));
    QVERIFY(mdi->viewport()->rect().contains(meter));
    // Every table, tool bar and pane is named in words for a screen reader.
    for (const char* name :
         {"DataGrid1", "StatisticsGrid", "SetDetails", "Toolbar1", "CoolBar1", "MDIClient"}) {
        auto* widget = w.findChild<QWidget*>(name);
        QVERIFY2(widget && !widget->accessibleName().isEmpty(), name);
        // A tool bar's title is what its context menu lists.
        if (auto* bar = qobject_cast<QToolBar*>(widget))
            QVERIFY2(bar->windowTitle() != name && !bar->windowTitle().isEmpty(), name);
    }
}

void TestWindows::workedOutNumbersInTheUsersFormat() {
    // German: a decimal comma and a point between thousands, in every figure the program works
    // out; a reading's own text stays as the meter sent it.
    const QLocale was;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    AppRig rig;
    MainWindow& w = rig.start();
    QVERIFY((*rig.session).store().writeReading(3, 1, "0.5").ok());
    QVERIFY((*rig.session).store().writeReading(3, 2, "1.25").ok());
    w.findChild<QTabWidget*>("SetsPages")->setCurrentIndex(1);  // the Statistics page
    const auto* stats = w.findChild<QTableWidget*>("StatisticsGrid");
    const QString mean = stats->item(2, 3)->text();
    QCOMPARE((*rig.session).store().reading(3, 2), QString("1.25"));
    workOf(w).panel().ShowLiveValue(1500.0);
    const QString range = workOf(w).panel().fullScaleLabel->text();
    QLocale::setDefault(was);
    QCOMPARE(mean, QString("0,875"));
    QCOMPARE(range, QString("300.000"));  // the meter's "300,000"
}

#include "test_windows.moc"

void TestWindows::panelFitsTheWorkArea_data() {
    QTest::addColumn<QSize>("window");
    QTest::addColumn<bool>("shrunk");
    QTest::newRow("room for all of it") << QSize(1100, 760) << false;
    // A laptop screen at a scale factor of 2 leaves about this much.
    QTest::newRow("small work area") << QSize(640, 400) << true;
}

void TestWindows::panelFitsTheWorkArea() {
    QFETCH(QSize, window);
    QFETCH(bool, shrunk);
    AppRig rig;
    MainWindow& w = rig.start();
    w.resize(window);
    workOf(w).viewMeter();
    workOf(w).panel().ShowLiveValue(0.003);
    ReadingPanel& panel = workOf(w).panel();
    QWidget* area = w.findChild<QMdiArea*>("MDIClient")->viewport();
    QCOMPARE(panel.zoom() < 1.0, shrunk);
    // Every key is inside the work area, and the panel keeps its proportions.
    for (QWidget* key : QList<QWidget*>{panel.offButton, panel.downButton, panel.storeButton})
        QVERIFY2(area->rect().contains(QRect(key->mapTo(area, QPoint(0, 0)), key->size())),
                 qPrintable(key->objectName()));
    QVERIFY(std::abs(double(panel.width()) / panel.height() - 4455.0 / 7095) < 0.01);
    QVERIFY(std::abs(panel.digitsLabel->font().pointSizeF() - 48.75 * panel.zoom()) < 0.01);
    // The bar keeps its length in twips, and its width in twips stays the design's.
    QVERIFY(panel.BarFraction() > 0);
    QCOMPARE(panel.meterBar->barLengthTwips(), barLength(3975, panel.BarFraction()));
    QCOMPARE(panel.meterBar->widthTwips(), 3975.0);
}

void TestWindows::liveTrendKeepsTheLastValuesOfARun() {
    AppRig rig;
    MainWindow& w = rig.start();
    PlotWindow& plot = plotOf(w);
    TrendChart& chart = *plot.findChild<TrendChart*>("TrendChart");
    LiveTrend& trend = *w.findChild<LiveTrend*>("LiveTrend");
    QCOMPARE(plot.findChild<ProfileChart*>("ProfileChart")->accessibleDescription(),
             QString("No readings to plot"));
    QCOMPARE(chart.accessibleDescription(), QString("No continuous readings yet"));
    const QDateTime start = QDateTime::currentDateTime();
    trend.add(start, 1.0);  // no run: not part of any trend
    trend.setRunning(true);
    for (int i = 0; i <= LiveTrend::kMaxValues; ++i) trend.add(start.addSecs(i), i);
    QCOMPARE(trend.values().size(), LiveTrend::kMaxValues);
    QCOMPARE(trend.values().first().value, 1.0);
    QTRY_COMPARE(pointsOf(chart), LiveTrend::kMaxValues);
    QCOMPARE(chart.accessibleDescription(), QString());
    QVERIFY(chart.valueAt(chart.positionOf(LiveTrend::kMaxValues - 1)).endsWith(": 3600"));
    trend.setRunning(false);
    trend.setRunning(true);
    QCOMPARE(pointsOf(chart), 0);
}
