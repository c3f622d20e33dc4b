// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QString>
#include <QVector>

#include "core/store/ReadingsStore.h"
#include "core/store/SetDetails.h"

/** @brief The user's edits of the readings table (a flag, a set's details), each undoable, and
 *  whether the table is as it was last opened or saved.
 *
 * Every other change (a download, New, Open, a reading stored from the panel, another program
 * writing the file) ends the history: what it replaced cannot be put back by Undo, and a step
 * recorded before it never lands on what came after. Undo and Redo also check, before they
 * write, that the position or set still holds what the step left there; when it does not (the
 * file changed under the step), the history ends instead. */
class EditHistory : public QObject {
    Q_OBJECT
public:
    /** @brief What a step changed, for the front ends to word. */
    struct Step {
        enum class Kind { Flag, Unflag, Details } kind = Kind::Flag;
        int set = 0;
        int position = 0;  ///< 0 for details
    };

    explicit EditHistory(ReadingsStore& store, QObject* parent = nullptr);

    /** @brief Flags the reading at @p position of @p set with @p reason (empty: unflags it), as
     *  one step. Done and no step when it is flagged so already. */
    StoreResult setFlag(int set, int position, const QString& reason);
    /** @brief Writes the fields in which @p after differs from @p before into @p set's details,
     *  as one step; the other fields keep what the file holds now, whoever wrote them. */
    StoreResult setDetails(int set, const SetDetails& before, const SetDetails& after);

    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < m_steps.size(); }
    /** @brief The step Undo would take back; only when canUndo(). */
    Step undoStep() const { return m_steps.value(m_index - 1).step; }
    /** @brief The step Redo would make again; only when canRedo(). */
    Step redoStep() const { return m_steps.value(m_index).step; }
    /** @brief Takes the last step back. A position or set that no longer holds what the step
     *  left ends the history (NoSuchCell, nothing written). */
    StoreResult undo();
    StoreResult redo();

    /** @brief The table is what the file last opened or saved holds. */
    bool isClean() const { return m_clean == m_index; }
    /** @brief The table was just opened from a file or saved to one. */
    void setClean();
    /** @brief Where the history stands: a file written from the table as it stood then. */
    struct Mark {
        int generation = -1;
        int index = 0;
        quint64 lastStep = 0;  ///< the serial of the step before it (0: none)
    };
    Mark mark() const {
        return {m_generation, m_index, m_index > 0 ? m_steps[m_index - 1].serial : 0};
    }
    /** @brief A file written from the table as it stood at @p at is now saved: the table is
     *  clean at that step, if it can still be reached (the history did not end, and the steps
     *  up to it were not replaced by others since). */
    void setClean(const Mark& at);
    /** @brief Forgets every step; the table counts as changed (not what any file holds). */
    void clear();
    /** @brief Counts the times the history ended: the same count means every change since was
     *  one of its steps. */
    int generation() const { return m_generation; }

Q_SIGNALS:
    /** @brief The steps, or whether the table is clean, changed. */
    void changed();

private:
    struct Entry {
        Step step;
        QString readingText;  ///< the flagged reading's text, which must still be there
        QString flagBefore, flagAfter;
        SetDetails before, after;
        quint64 serial = 0;  ///< which step this is, never the same twice
    };
    /** @brief Puts @p e's side (@p forward: after) into the store, after checking that the
     *  other side is what the store holds. */
    StoreResult apply(const Entry& e, bool forward);
    void push(Entry e);
    /** @brief A change that did not come through here. */
    void foreignChange();

    ReadingsStore& m_store;
    QVector<Entry> m_steps;
    int m_index = 0;
    int m_clean = 0;  ///< the index at which the table is clean; -1 for none
    bool m_applying = false;
    int m_generation = 0;
    quint64 m_serial = 0;
};
