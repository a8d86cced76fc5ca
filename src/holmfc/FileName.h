#pragma once
#include <QByteArray>
#include <QString>

class QUrl;

// File names as the file system holds them. A Unix file name is any bytes but NUL and '/'; Qt
// reads names as UTF-8 and turns every byte that is not UTF-8 into U+FFFD, so such a file cannot
// be opened again under the name Qt gives it. These functions keep every byte: a byte outside
// UTF-8 becomes a lone low surrogate U+DC80..U+DCFF in the QString (a code that valid UTF-8 never
// produces) and turns back into the same byte on the way out. Names of valid UTF-8 read exactly as
// Qt reads them. Qt's own file functions must not see an escaped name: it goes to the file system
// only through EncodeFileName.

// The bytes of a name, or of a path, as a QString that keeps them all.
QString DecodeFileName(const QByteArray& bytes);
// The bytes DecodeFileName read the name from (a name without escapes: its UTF-8).
QByteArray EncodeFileName(const QString& name);
// The name as a person reads it: every escaped byte shown as U+FFFD.
QString DisplayFileName(const QString& name);

// The path made absolute against the current folder (whatever bytes that folder's name holds) and
// cleaned of "." and "..", without asking the file system whether it exists.
QString AbsoluteFileName(const QString& path);
// Whether something of that name exists, symbolic links followed.
bool FileNameExists(const QString& path);

// An absolute name as a "file://" URL of its percent-encoded bytes: plain ASCII, every byte kept,
// and FileNameOfUrl reads it back.
QString FileUrlOfName(const QString& name);
// The local file a "file:" URL names, every byte of its name kept (the URL holds them
// percent-encoded, as a file dropped from a file manager comes); empty for any other URL.
QString FileNameOfUrl(const QUrl& url);

// The file a file dialog's answer means, every byte of its name kept. A native dialog answers with
// a URL, which keeps the bytes of the name percent-encoded: its name is taken when the file
// exists, or when its folder exists and the text lost some of its bytes. Qt's own dialog answers with the text it shows, where odd bytes are U+FFFD,
// and which so names no file: each part of that text that does not exist is matched against its
// folder's entries as Qt shows them, and a part that matches exactly one entry takes that
// entry's bytes; a last part that matches none stays as it is (a new file). When a folder matches
// no entry, or several entries look alike, the text comes back unchanged.
QString ResolveChosenFileName(const QUrl& url, const QString& shown);

// The name as a text setting keeps it whole: unchanged when it is plain text, otherwise a
// "file://" URL of its percent-encoded bytes. FileNameFromSetting reads either back.
QString FileNameToSetting(const QString& name);
QString FileNameFromSetting(const QString& text);
