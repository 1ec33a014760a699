#ifndef FILEIO_H
#define FILEIO_H

#include <QObject>
#include <QString>
#include <QUrl>

// Whole-file text access for the screens (published as "io"): point `source`
// at a file URL, then read() it into `text` or write() `text` out.
class fileIo : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QUrl source READ source WRITE setSource NOTIFY sourceChanged)
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
public:
    explicit fileIo(QObject *parent = nullptr);

    QUrl source() const { return m_source; }
    QString text() const { return m_text; }

    Q_INVOKABLE void read();
    Q_INVOKABLE void write();
    // Whether something (a file, a folder, a link even if dangling) is at the
    // local file `url`: a save asks before it replaces a file that the file
    // dialog did not ask about.
    Q_INVOKABLE bool exists(const QUrl &url) const;

signals:
    void sourceChanged(const QUrl &source);
    void textChanged(const QString &text);

public slots:
    void setSource(const QUrl &source);
    void setText(const QString &text);

private:
    QUrl m_source;
    QString m_text;
};

#endif // FILEIO_H
