#pragma once

// The program's styling engine: one application-wide Qt style sheet, chosen
// by name among a compiled-in style and the *.qss files of a skin directory.
// Styling off means no application style sheet at all, the platform's plain
// look. The name is kept while styling is off and used when it comes back on.

#include <QObject>
#include <QString>
#include <QStringList>

class SkinManager : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString SkinName READ SkinName WRITE setSkinName NOTIFY stateChanged)
    Q_PROPERTY(bool Active READ Active WRITE setActive NOTIFY stateChanged)
    Q_PROPERTY(QString SkinDirectory READ SkinDirectory WRITE setSkinDirectory)

public:
    // Name of the compiled-in style: "Windows 10 (внутренний)".
    static QString internalSkinName();

    // Styling is on from the start, with the internal style.
    explicit SkinManager(QObject* parent = nullptr);
    ~SkinManager() override; // takes its style sheet off the application

    QString SkinName() const { return name_; }
    // Any name is kept as given. While styling is on the named style is
    // loaded; a name that names no available style shows the internal one.
    void setSkinName(const QString& name);

    bool Active() const { return active_; }
    void setActive(bool on); // the state it already has: nothing happens

    QString SkinDirectory() const { return directory_; }
    void setSkinDirectory(const QString& directory);

    // The internal style and the base names of the skin directory's *.qss
    // files, sorted by name; read from the disk at every call.
    QStringList skinNames() const;
    // The listed name equal to `name` (exact match first, then ignoring case);
    // empty if none.
    QString findSkin(const QString& name) const;
    // The style whose look is shown: empty while styling is off.
    QString appliedSkinName() const { return appliedName_; }
    // The style sheet text of a style; empty if it is not available.
    QString styleSheetOf(const QString& name) const;

signals:
    void stateChanged(); // name or on/off changed
    void lookChanged();  // the application's style sheet was replaced

private:
    void apply();

    QString name_;
    QString directory_;
    bool active_ = true;
    QString appliedName_;
    QString appliedSheet_;
};
