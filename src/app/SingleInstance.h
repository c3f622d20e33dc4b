#pragma once
#include <QLocalServer>
#include <QObject>
#include <QString>

/** @brief Only one copy of the program runs per user. A second copy asks the first to come to
 *  the front and then ends. */
class SingleInstance : public QObject {
    Q_OBJECT
public:
    /** @brief @p serverName is the per-user socket name (a path in the runtime folder). */
    explicit SingleInstance(QString serverName, QObject* parent = nullptr);
    /** @brief The default per-user name. */
    static QString defaultName();

    enum class Previous { None, Raised, NoAnswer };
    /** @brief Asks a running copy to raise its main window: None when no copy runs, Raised when
     *  one did, NoAnswer when one holds the name but did not answer. */
    Previous activatePrevious(int timeoutMs = 1500);
    /** @brief Starts answering later copies. */
    bool listen();

Q_SIGNALS:
    /** @brief Another copy asked this one to come to the front. */
    void raiseRequested();

private:
    QString m_name;
    QLocalServer m_server;
};
