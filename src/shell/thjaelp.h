#pragma once

#include "engines/hjaelp/thjaelphistorik.h"
#include "engines/hjaelp/thjaelpindhold.h"

#include <QObject>
#include <QPointer>

#include <functional>

class Tinfoform;
class Turlform1;
struct DataMapper;

// The help system: the contents, the history of visited pages, the history
// window, and the operations every window uses to open a help page. The
// browser window itself is created by whoever hosts it (inside or outside
// the frame) through `visBrowser`.
class THjaelp : public QObject
{
    Q_OBJECT

public:
    explicit THjaelp(QObject *parent = nullptr);
    THjaelp(const DataMapper &mapper, QObject *parent = nullptr);
    ~THjaelp() override;

    // The help folders and the history window's settings file; the history
    // window is made here, once the data folder tree is known.
    void saetMapper(const DataMapper &mapper);

    // Creates (when needed) and shows the help browser; set by the host.
    std::function<Tinfoform *()> visBrowser;

    void HentStruktur();
    const THjaelpIndhold &indhold() const { return m_indhold; }
    THjaelpHistorik &historik() { return m_historik; }
    Turlform1 *urlform() const { return m_urlform; }
    QString infoDir() const { return m_infoDir; }
    Tinfoform *browser() const;
    void saetBrowser(Tinfoform *browser);

    void InfoHelp(const QString &side);
    // The contents node of the help page shown last; -1 before any.
    int valgtNode() const { return m_valgtNode; }
    void InfoStruk(const QString &side, const QString &hint);
    // The action of a click in the contents tree on node `node`.
    void strukturKlik(int node);

    void goToStruktur(int index);
    void fyldEmner(const QStringList &emner);
    void sletAlle();
    void titelSkiftet(const QString &titel);

    // Topic lists of the browser's four topic buttons.
    static QStringList emneStifinder();
    static QStringList emneKlipbordet();
    static QStringList emneFunktioner();
    static QStringList emneProgrammer();

signals:
    void vaelgNode(int node);
    void hint(const QString &tekst);
    void historikSkiftet();

private:
    void visHistorik(int valgt);
    void vaelg(int node);

    QString m_infoDir;
    QString m_strukturDir;
    THjaelpIndhold m_indhold;
    THjaelpHistorik m_historik;
    Turlform1 *m_urlform = nullptr;
    QPointer<Tinfoform> m_browser;
    int m_valgtNode = -1;
};
