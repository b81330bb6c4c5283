// SPDX-License-Identifier: MIT
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <QVector>

// Stands in for the desktop's browser: the addresses of one scheme come
// here instead of starting a program.
class UrlCatcher final : public QObject {
  Q_OBJECT

 public:
  explicit UrlCatcher(const QString& scheme) : scheme_(scheme) {
    QDesktopServices::setUrlHandler(scheme_, this, "Catch");
  }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(scheme_); }

  [[nodiscard]] const QVector<QUrl>& Caught() const { return caught_; }

 public slots:
  void Catch(const QUrl& url) { caught_.append(url); }

 private:
  QString scheme_;
  QVector<QUrl> caught_;
};
