#pragma once

// The help viewer: shows the help book compiled into the executable.
//
// Addresses have the form "res://" + full path of the executable + "/" + resource
// path, where the resource path is a page name ("INDEX", "РАСЧЁТ380") or
// "RT_RCDATA/" + an image name ("RT_RCDATA/Ф1"). Pages link to each other by bare
// page names, so links resolve against the page that holds them and work wherever
// the executable lies.
//
// The operations and signals follow the browser control the window was designed
// around: Navigate, GoBack, GoForward, ReadyState, and the events BeforeNavigate2,
// CommandStateChange and NavigateComplete2. Pages load synchronously, so a
// navigation has completed when Navigate returns.

#include <QTextBrowser>
#include <QUrl>

#include <functional>

class THelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    // Command numbers of CommandStateChange.
    static constexpr int CSC_NAVIGATEFORWARD = 1;
    static constexpr int CSC_NAVIGATEBACK = 2;

    // Ready states: nothing loaded yet, and a page shown.
    static constexpr int READYSTATE_UNINITIALIZED = 0;
    static constexpr int READYSTATE_COMPLETE = 4;

    // Hands an address to the system; the result is ignored.
    using Opener = std::function<void(const QUrl&)>;

    explicit THelpBrowser(QWidget* parent = nullptr);

    // "res://" + executable path + "/" + resourcePath.
    static QString HelpAddress(const QString& resourcePath);
    // The start page, "res://" + executable path + "/INDEX".
    static QString StartAddress();
    // The resource path of a help address of this executable ("INDEX",
    // "RT_RCDATA/Ф1"), or an empty string for any other address.
    static QString ResourcePath(const QUrl& address);

    // An address the viewer does not show itself: it contains "http://" or
    // "https://" anywhere (in any letter case), or it is a "mailto:" address.
    static bool IsWebAddress(const QString& address);

    void Navigate(const QString& address);
    void GoBack();
    void GoForward();
    void GoHome();

    int ReadyState() const;
    bool HasDocument() const;
    QString LocationURL() const;

    // Shows or hides the frame around the page; hidden, the page colour reaches
    // the edges of the control.
    void SetDocumentBorder(bool visible);

    // Replaces the system hand-over (QDesktopServices::openUrl by default).
    void SetOpener(Opener opener);

    void backward() override;
    void forward() override;
    void home() override;

    QVariant loadResource(int type, const QUrl& name) override;

public slots:
    // The before-navigate rule of the help page: a web address goes to the
    // system and the navigation is cancelled, so the viewer stays on its page.
    // Connect BeforeNavigate2 to it (or call it from the window's handler).
    void HandOverWebAddress(const QString& address, bool* cancel);

signals:
    // Emitted before every navigation; setting *cancel to true stops it.
    void BeforeNavigate2(const QString& address, bool* cancel);
    // Back (CSC_NAVIGATEBACK) or forward (CSC_NAVIGATEFORWARD) availability,
    // emitted for both commands at every change of the history.
    void CommandStateChange(int command, bool enable);
    // Emitted after a page has been shown.
    void NavigateComplete2(const QString& address);

protected:
    void doSetSource(const QUrl& name,
                     QTextDocument::ResourceType type = QTextDocument::UnknownResource) override;

private:
    bool AllowNavigation(const QUrl& address);
    void ReportHistory();

    Opener opener_;
    QString lastPage_; // source of the page last read, for its list numbers
    bool loaded_ = false;
};
