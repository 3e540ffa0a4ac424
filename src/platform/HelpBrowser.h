#pragma once

#include <QTextBrowser>

// The help viewer's page: shows one local document. It loads nothing from outside
// the program's own resources, and links that lead out of the document open nothing.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void follow(const QUrl& link);
};
