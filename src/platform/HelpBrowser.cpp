#include "platform/HelpBrowser.h"

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::follow);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() == QLatin1String("qrc"))
        return QTextBrowser::loadResource(type, name);
    return {};
}

void HelpBrowser::follow(const QUrl& link) {
    // Only jumps within the page: "#keyboard" and the like.
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment())
        scrollToAnchor(link.fragment());
}
