#ifndef COPYRIGHT_H
#define COPYRIGHT_H

#include <QObject>
#include <QString>

// The company name shown in the main window's footer.
class comCopyright : public QObject
{
    Q_OBJECT
public:
    explicit comCopyright(QObject *parent = nullptr);

    Q_INVOKABLE QString getCompanyName();
};

#endif // COPYRIGHT_H
