// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/sets/SetsWindow.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QHash>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QSplitter>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include "core/common/Messages.h"
#include "core/store/EditHistory.h"
#include "core/store/ReadingsStore.h"
#include "core/store/SetStatistics.h"
#include "core/store/SetsTableModel.h"
#include "gui/Twips.h"
#include "gui/sets/SetDetailsPane.h"

namespace {
/** Draws a cell's text from a laid-out copy kept per text: a download repaints the same few
 *  thousand readings many times, and laying each one out again cost more than the rest of the
 *  repaint. */
class ReadingDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        QStyle* style = opt.widget ? opt.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        if (text.isEmpty()) return;
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, opt.widget)
                               .adjusted(3, 0, -3, 0);
        // Compared as fonts: building the font's key text for every cell painted cost more
        // than the painting.
        if (m_font != opt.font) {
            m_cache.clear();
            m_font = opt.font;
        }
        if (m_cache.size() > kCacheSize) m_cache.clear();
        auto it = m_cache.find(text);
        if (it == m_cache.end()) {
            QStaticText laidOut(text);
            laidOut.setTextFormat(Qt::PlainText);
            laidOut.prepare(QTransform(), opt.font);
            it = m_cache.insert(text, laidOut);
        }
        const QSizeF size = it->size();
        if (size.width() > area.width()) {  // too wide for its column: elided as before
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QPalette::ColorRole role =
            opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(
            opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled, role));
        const QPointF at(area.right() - size.width() + 1,
                         area.top() + (area.height() - size.height()) / 2.0);
        painter->drawStaticText(at, *it);
        // A flagged reading keeps its text, struck through.
        if (!index.data(SetsTableModel::FlagRole).toString().isEmpty()) {
            const double y = at.y() + size.height() / 2.0;
            painter->drawLine(QPointF(at.x(), y), QPointF(at.x() + size.width(), y));
        }
        painter->restore();
    }

private:
    static constexpr int kCacheSize = 20000;
    mutable QHash<QString, QStaticText> m_cache;
    mutable QFont m_font;
};
}  // namespace

SetsWindow::Layout SetsWindow::layoutFor(long dataWindowWidth, long dataWindowHeight) {
    Layout l;
    l.width = dataWindowWidth - 20;
    l.height = dataWindowHeight - 1400;
    l.gridHeight = l.height - 520;
    l.gridWidth = l.width - 150;
    return l;
}

void SetsWindow::keepNumbersInView() {
    // The Number column drawn again over the grid's left edge, scrolled with it up and down but
    // never sideways: a download that brings set 30 into view keeps each row's position in sight.
    auto* numbers = new QTableView(grid);
    numbers->setObjectName(QStringLiteral("NumberColumn"));
    numbers->setModel(m_model);
    numbers->setSelectionModel(grid->selectionModel());
    numbers->setFocusPolicy(Qt::NoFocus);
    numbers->setAccessibleName(tr("Positions"));
    numbers->verticalHeader()->setVisible(false);
    numbers->verticalHeader()->setDefaultSectionSize(grid->verticalHeader()->defaultSectionSize());
    numbers->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    numbers->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    numbers->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    numbers->setEditTriggers(QAbstractItemView::NoEditTriggers);
    numbers->setFrameShape(QFrame::NoFrame);
    for (int c = 1; c < m_model->columnCount(); ++c) numbers->setColumnHidden(c, true);
    grid->viewport()->stackUnder(numbers);
    connect(grid->verticalScrollBar(), &QAbstractSlider::valueChanged, numbers->verticalScrollBar(),
            &QAbstractSlider::setValue);
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column) {
        if (column == 0) placeNumbers();
    });
    connect(grid->verticalHeader(), &QHeaderView::sectionResized, numbers,
            [numbers](int row, int, int height) { numbers->setRowHeight(row, height); });
    m_numbers = numbers;
    // The viewport takes its size after the table's: both are watched.
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    placeNumbers();
}

void SetsWindow::placeNumbers() {
    m_numbers->setColumnWidth(0, grid->columnWidth(0));
    m_numbers->setGeometry(grid->frameWidth(), grid->frameWidth(), grid->columnWidth(0),
                           grid->viewport()->height() + grid->horizontalHeader()->height());
}

bool SetsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_numbers && (watched == grid || watched == grid->viewport()) &&
        event->type() == QEvent::Resize)
        placeNumbers();
    return QWidget::eventFilter(watched, event);
}

SetsWindow::SetsWindow(ReadingsStore& store, MessageBox& messages, long dataWindowWidth,
                       long dataWindowHeight, QWidget* parent)
    : QWidget(parent),
      m_store(store),
      m_messages(messages),
      m_model(new SetsTableModel(store, this)) {
    setObjectName(QStringLiteral("frmData2"));
    setWindowTitle(tr("Data"));
    const Layout layout = layoutFor(dataWindowWidth, dataWindowHeight);
    const double dx = logicalDpiX();
    const double dy = logicalDpiY();
    resize(Twips::toPixels(layout.width, dx), Twips::toPixels(layout.height, dy));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("SetsSplitter"));
    m_pages = new QTabWidget(splitter);
    m_pages->setObjectName(QStringLiteral("SetsPages"));
    grid = new QTableView(m_pages);
    grid->setObjectName(QStringLiteral("DataGrid1"));
    grid->setModel(m_model);
    grid->setItemDelegate(new ReadingDelegate(grid));
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control; the arrow keys move within it.
    grid->setTabKeyNavigation(false);
    grid->setAccessibleName(tr("Readings: one column a set, one row a position"));
    m_pages->addTab(grid, tr("Readin&gs"));
    keepNumbersInView();
    m_statistics = new QTableWidget(0, 9, m_pages);
    m_statistics->setObjectName(QStringLiteral("StatisticsGrid"));
    m_statistics->setHorizontalHeaderLabels({tr("Set"), tr("Units"), tr("Count"), tr("Mean"),
                                             tr("Median"), tr("SD"), tr("Min"), tr("Max"),
                                             tr("Geometric mean")});
    m_statistics->verticalHeader()->setVisible(false);
    m_statistics->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_statistics->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_statistics->setSelectionMode(QAbstractItemView::SingleSelection);
    m_statistics->setTabKeyNavigation(false);
    m_statistics->setAccessibleName(tr("Statistics: one row a set"));
    m_pages->addTab(m_statistics, tr("&Statistics"));
    m_details = new SetDetailsPane(store, splitter);
    m_details->setAccessibleName(tr("Details of the chosen set"));
    connect(m_details, &SetDetailsPane::edited, this, &SetsWindow::detailsEdited);
    splitter->addWidget(m_pages);
    splitter->addWidget(m_details);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    splitter->setGeometry(Twips::toPixels(60, dx), Twips::toPixels(60, dy),
                          Twips::toPixels(layout.gridWidth, dx),
                          Twips::toPixels(layout.gridHeight, dy));
    // The pane follows the set the grid's current cell is in, or the statistics row chosen.
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.column() > 0) m_details->showSet(current.column());
            });
    connect(m_statistics, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (row >= 0) m_details->showSet(row + 1);
    });
    // The figures are worked out again only while they are shown, a few times a second at most.
    m_statisticsDue = new QTimer(this);
    m_statisticsDue->setSingleShot(true);
    m_statisticsDue->setInterval(200);
    connect(m_statisticsDue, &QTimer::timeout, this, &SetsWindow::showStatistics);
    const auto statisticsChanged = [this] {
        if (m_pages->currentWidget() == m_statistics && !m_statisticsDue->isActive())
            m_statisticsDue->start();
    };
    connect(&store, &ReadingsStore::cellsChanged, this, statisticsChanged);
    connect(&store, &ReadingsStore::reloaded, this, statisticsChanged);
    connect(&store, &ReadingsStore::detailsChanged, this, statisticsChanged);
    connect(m_pages, &QTabWidget::currentChanged, this, [this] {
        if (m_pages->currentWidget() == m_statistics) showStatistics();
    });
    grid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    // A set marked incomplete says so in its header, whole. A column is wide enough for its
    // name with either units from the start: units reported during a download change no
    // width, and a changed width repaints every column right of it.
    const auto fitHeaders = [this](int first, int last) {
        QHeaderView* header = grid->horizontalHeader();
        const QFontMetrics metrics = header->fontMetrics();
        const int withUnits = metrics.horizontalAdvance(
            SetsTableModel::tr("Set %1").arg(Meter::kSets) + QStringLiteral(" (CGS)"));
        for (int column = first; column <= last; ++column) {
            const QString text =
                m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
            const int wanted =
                qMax(kColumnWidth,
                     qMax(column > 0 ? withUnits : 0, metrics.horizontalAdvance(text)) + 16);
            if (header->sectionSize(column) != wanted) header->resizeSection(column, wanted);
        }
    };
    connect(m_model, &SetsTableModel::headersChanged, this,
            [this, fitHeaders](int first, int last) {
                grid->horizontalHeader()->headerDataChanged(Qt::Horizontal, first, last);
                fitHeaders(first, last);
            });
    connect(m_model, &QAbstractItemModel::modelReset, this,
            [this, fitHeaders] { fitHeaders(0, m_model->columnCount() - 1); });
    fitHeaders(0, m_model->columnCount() - 1);

    // Flagging a reading, from the grid's context menu or its keys, undone with Undo.
    const auto gridAction = [this](const QString& text, const QString& name,
                                   const QKeySequence& keys) {
        auto* action = new QAction(text, grid);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        grid->addAction(action);
        return action;
    };
    connect(gridAction(tr("&Flag Reading..."), QStringLiteral("FlagReadingAction"),
                       QKeySequence(Qt::CTRL | Qt::Key_K)),
            &QAction::triggered, this, &SetsWindow::flagReading);
    QAction* unflag = gridAction(tr("U&nflag Reading"), QStringLiteral("UnflagReadingAction"),
                                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    connect(unflag, &QAction::triggered, this, &SetsWindow::unflagReading);
    // Unflag is offered only on a reading that carries a flag.
    const auto showUnflag = [this, unflag] {
        const QModelIndex at = grid->currentIndex();
        unflag->setEnabled(at.isValid() && !m_store.flag(at.column(), at.row() + 1).isEmpty());
    };
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this, showUnflag);
    connect(&store, &ReadingsStore::cellsChanged, this, showUnflag);
    connect(&store, &ReadingsStore::reloaded, this, showUnflag);
    showUnflag();
    // Undo and Redo take back the user's own edits, flags and details, which the store's
    // history keeps; a download, New or Open ends it.
    QAction* undo = gridAction(tr("&Undo"), QStringLiteral("UndoFlagAction"), QKeySequence::Undo);
    QAction* redo = gridAction(tr("&Redo"), QStringLiteral("RedoFlagAction"), QKeySequence::Redo);
    EditHistory& history = m_store.history();
    const auto stepText = [](const EditHistory::Step& s) {
        switch (s.kind) {
            case EditHistory::Step::Kind::Flag:
                return tr("Flag position %1 of set %2").arg(s.position).arg(s.set);
            case EditHistory::Step::Kind::Unflag:
                return tr("Unflag position %1 of set %2").arg(s.position).arg(s.set);
            case EditHistory::Step::Kind::Details:
                break;
        }
        return tr("Details of set %1").arg(s.set);
    };
    const auto showSteps = [undo, redo, &history, stepText] {
        undo->setEnabled(history.canUndo());
        redo->setEnabled(history.canRedo());
        undo->setText(history.canUndo() ? tr("&Undo %1").arg(stepText(history.undoStep()))
                                        : tr("&Undo"));
        redo->setText(history.canRedo() ? tr("&Redo %1").arg(stepText(history.redoStep()))
                                        : tr("&Redo"));
    };
    const auto told = [this](const StoreResult& done) {
        if (done.kind == StoreFailure::NoSuchCell)
            m_messages.tell(tr("The step cannot be taken back: the table changed since (%1). "
                               "Undo starts again from here.")
                                .arg(Msg::why(done.reason)));
        else if (!done)
            m_messages.tell(Msg::TableNotWritten.arg(Msg::why(done.reason)));
    };
    connect(undo, &QAction::triggered, this, [&history, told] { told(history.undo()); });
    connect(redo, &QAction::triggered, this, [&history, told] { told(history.redo()); });
    connect(&history, &EditHistory::changed, this, showSteps);
    showSteps();
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);

    // Ctrl+Tab goes round the pages and the details pane, Ctrl+Shift+Tab the other way.
    const auto paneAction = [this](const QString& name, const QKeySequence& keys, int step) {
        auto* action = new QAction(this);
        action->setObjectName(name);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, [this, step] { goToPane(step); });
        addAction(action);
    };
    paneAction(QStringLiteral("NextPaneAction"), QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    paneAction(QStringLiteral("PreviousPaneAction"),
               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
}

void SetsWindow::goToPane(int step) {
    // The stops: each page of the tabs, then the details pane.
    const int stops = m_pages->count() + 1;
    const bool inDetails = m_details->isAncestorOf(QApplication::focusWidget());
    const int at = inDetails ? stops - 1 : m_pages->currentIndex();
    const int next = ((at + step) % stops + stops) % stops;
    if (next < m_pages->count()) {
        m_pages->setCurrentIndex(next);
        m_pages->currentWidget()->setFocus(Qt::TabFocusReason);
        return;
    }
    // The pane's first control that takes the keyboard.
    for (QWidget* w = m_details->nextInFocusChain(); w && w != m_details;
         w = w->nextInFocusChain()) {
        if (m_details->isAncestorOf(w) && w->isVisibleTo(m_details) && w->isEnabled() &&
            (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void SetsWindow::changeFlag(int set, int position, const QString& reason) {
    const StoreResult written = m_store.history().setFlag(set, position, reason);
    if (!written)
        m_messages.tell(Msg::TableNotWritten.arg(Msg::why(written.reason)));
    else
        Q_EMIT detailsEdited();
}

void SetsWindow::flagReading() {
    const QModelIndex at = grid->currentIndex();
    const int set = at.column();
    const int position = at.row() + 1;
    if (!at.isValid() || !m_store.holdsReading(set, position)) {
        m_messages.tell(
            tr("The chosen cell holds no reading to flag. Choose a reading in a set's "
               "column first."));
        return;
    }
    const std::optional<QString> reason = m_messages.askText(
        tr("Why is the reading %1 at position %2 of set %3 flagged (\"broken core\", \"box "
           "end\")? It keeps its text and is left out of the statistics, the plot's lines and the "
           "logs. An empty reason unflags it.")
            .arg(m_store.reading(set, position))
            .arg(position)
            .arg(set),
        m_store.flag(set, position));
    if (reason) changeFlag(set, position, reason->trimmed());
}

void SetsWindow::unflagReading() {
    const QModelIndex at = grid->currentIndex();
    if (at.isValid() && at.column() > 0) changeFlag(at.column(), at.row() + 1, QString());
}

void SetsWindow::refreshGrid() { m_model->refresh(); }

int SetsWindow::chosenSet() const { return m_details->set(); }

void SetsWindow::showStatistics() {
    m_statistics->setRowCount(Meter::kSets);
    const auto put = [this](int row, int column, const QString& text) {
        QTableWidgetItem* item = m_statistics->item(row, column);
        if (!item) {
            item = new QTableWidgetItem;
            item->setTextAlignment(column == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
            m_statistics->setItem(row, column, item);
        }
        item->setText(text);
    };
    for (int set = 1; set <= Meter::kSets; ++set) {
        const SetStatistics s = SetStatistics::of(m_store, set);
        const int row = set - 1;
        // Worked-out figures in the user's number format, to six significant digits.
        const auto number = [](double v) { return QLocale().toString(v, 'g', 6); };
        const auto figure = [&s, &number](double v) { return s.count > 0 ? number(v) : QString(); };
        const QString units = SetDetailFields::unitsName(s.units);
        put(row, 0, QString::number(set));
        put(row, 1, units.isEmpty() && s.count > 0 ? tr("not known") : units);
        put(row, 2, QString::number(s.count));
        put(row, 3, figure(s.mean));
        put(row, 4, figure(s.median));
        put(row, 5, s.sd ? number(*s.sd) : QString());
        put(row, 6, figure(s.min));
        put(row, 7, figure(s.max));
        put(row, 8, s.geometricMean ? number(*s.geometricMean) : QString());
    }
    m_statistics->resizeColumnsToContents();
}

void SetsWindow::showSet(int set) {
    const QModelIndex top = grid->indexAt(QPoint(0, 0));
    grid->scrollTo(grid->model()->index(top.isValid() ? top.row() : 0, set),
                   QAbstractItemView::EnsureVisible);
}

void SetsWindow::offerGps(const GpsReceiver& receiver) { m_details->offerGps(receiver); }
