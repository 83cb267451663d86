#pragma once
#include "core/icy_metadata.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// Reads the song titles a station sends inside its stream, for an engine that
// passes none on: a connection of its own to the same stream, asking for the
// titles and throwing the audio away as it comes. A station that sends no
// titles is let go at once. Nothing of the stream piles up: the connection is
// read as it fills, through a small buffer, and the titles are bounded.
class StreamTitleReader : public QObject {
  Q_OBJECT
public:
  explicit StreamTitleReader(QObject* parent = nullptr);
  ~StreamTitleReader() override;

  // Starts reading this stream, unless already at it. The title read so far
  // stays when the same stream is started again (a reconnection).
  void start(const QUrl& stream);
  // Lets the connection go; the title stays.
  void stop();
  // Lets it go and forgets the stream and its title.
  void clear();
  QString title() const { return title_; }
  bool reading() const { return !reply_.isNull(); }

signals:
  void titleChanged();

private:
  void read();
  void setTitle(const QString& title);

  QNetworkAccessManager* net_;
  QPointer<QNetworkReply> reply_;
  std::optional<slv::IcyReader> icy_;
  QUrl stream_;
  QString title_;
};
