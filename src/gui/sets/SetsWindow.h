// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QTimer>
#include <QWidget>

#include "gui/dialogs/MessageBox.h"

class GpsReceiver;
class QTableView;
class QTableWidget;
class QTabWidget;
class ReadingsStore;
class SetDetailsPane;
class SetsTableModel;

/** @brief The sets window "Data": the grid over the whole table Sets, each set's statistics on a
 *  second page, and the chosen set's details beside them. */
class SetsWindow : public QWidget {
    Q_OBJECT
public:
    /** @brief Size of the window and its grid, in twips, from the main window's base sizes. */
    struct Layout {
        long width, height, gridWidth, gridHeight;
    };
    static Layout layoutFor(long dataWindowWidth, long dataWindowHeight);

    /** @brief Lays itself out from DataWindowWidth and DataWindowHeight (twips). */
    SetsWindow(ReadingsStore& store, MessageBox& messages, long dataWindowWidth,
               long dataWindowHeight, QWidget* parent = nullptr);
    /** @brief Set Details offers the receiver's position (Take Position from GPS). */
    void offerGps(const GpsReceiver& receiver);
    /** @brief Asks why the reading at the grid's current cell is flagged, and flags it (an empty
     *  answer unflags it); undone with Undo. */
    void flagReading();
    /** @brief Unflags the reading at the grid's current cell; undone with Undo. */
    void unflagReading();

    /** @brief Shows the store's contents again. */
    void refreshGrid();
    /** @brief Scrolls set @p set's column into view, keeping the rows where they are. */
    void showSet(int set);
    /** @brief The set whose details the pane shows: the grid's current column. */
    int chosenSet() const;
    QTableView* grid = nullptr;
    static constexpr int kColumnWidth = 72;  ///< pixels, wider where a header needs it

Q_SIGNALS:
    /** @brief The user changed a set's details in the pane, or flagged or unflagged a reading. */
    void detailsEdited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showStatistics();
    /** @brief Gives the keyboard to the page or pane @p step stops on from the one it is in:
     *  the tabs' pages, then the details pane, round. */
    void goToPane(int step);
    /** @brief Keeps the Number column in view over the grid's left edge, whatever set shows. */
    void keepNumbersInView();
    /** @brief Puts the Number column over the grid's left edge, as wide as the grid's own. */
    void placeNumbers();
    QTableView* m_numbers = nullptr;  ///< the Number column kept in view
    /** @brief Flags the reading at @p position of @p set with @p reason, as one undoable step. */
    void changeFlag(int set, int position, const QString& reason);
    ReadingsStore& m_store;
    MessageBox& m_messages;
    SetsTableModel* m_model;
    QTabWidget* m_pages;
    QTableWidget* m_statistics;
    SetDetailsPane* m_details;
    QTimer* m_statisticsDue;
};
