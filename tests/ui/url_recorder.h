#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

namespace zova::ui::test {

// While alive, catches every address handed to QDesktopServices::openUrl
// (http, https and file) instead of starting a browser.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "record");
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"http", "https", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    const QList<QUrl>& opened() const { return opened_; }

public slots:
    void record(const QUrl& url) { opened_ << url; }

private:
    QList<QUrl> opened_;
};

}  // namespace zova::ui::test
