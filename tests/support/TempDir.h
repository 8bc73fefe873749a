#pragma once
// A temporary folder for one test, removed afterwards, with helpers to lay files into it.
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class TempDir {
public:
    TempDir();
    QString path() const { return dir_.path(); }
    // Path of name inside the folder ('/' separated sub-folders are created).
    QString file(const QString& name) const;
    // Writes bytes to name inside the folder; returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;
    // Copies a whole folder tree into the temporary folder under name.
    QString copyTree(const QString& from, const QString& name) const;

private:
    QTemporaryDir dir_;
};

// Bytes of a file, empty when it cannot be read.
QByteArray ReadBytes(const QString& path);
// UTF-16LE with byte-order mark, as the owner's Windows machine writes text files.
QByteArray Utf16LeWithBom(const QString& text);
// CP950 bytes without byte-order mark.
QByteArray Big5(const QString& text);
