// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/clientstorage.h"

#include "common/config.h"
#include "common/constants.h"
#include "common/errorcodes.h"
#include "common/exceptions.h"
#include "common/utilities.h"
#include "storage/bytestring.h"
#include "storage/streamformat.h"

#include <QBuffer>
#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <cstdlib>

namespace {
const QDateTime DEFAULT_DATE(QDate(2002, 2, 1), QTime(0, 0, 0, 0));
constexpr quint16 DEFAULT_SERVER_PORT = 4554;
constexpr int DEFAULT_WINDOW_WIDTH = 600;
constexpr int DEFAULT_WINDOW_HEIGHT = 400;
constexpr int NUM_FAVOURITE_COINS = 120;
constexpr quint16 LAST_VERSION_WITH_OLD_COUNTRIES = 105;
// Countries after the fifth entry of the settings dialog's list moved down by
// one when a country was inserted there.
constexpr quint8 LAST_UNMOVED_COUNTRY = 5;

constexpr quint64 RECOMMENDER_BYTES = 4;
constexpr quint64 EVENT_TOTAL_BYTES = 2 + 4;

const char* const RECORD_READER = "QDataStream& operator>> (QDataStream &s, ClientStorage &S)";

// Absolute paths of existing files that loadFromDisk could not read. Such a
// file is kept aside before anything is saved over it.
QSet<QString>& unreadableFiles()
{
    static QSet<QString> paths;
    return paths;
}

QString absolutePath(const QString& fileName)
{
    return QFileInfo(fileName).absoluteFilePath();
}

void rememberUnreadable(const QString& fileName)
{
    unreadableFiles().insert(absolutePath(fileName));
}

// The data file: magic number, version and the record. A StreamErr becomes
// the FileErr of the same code; other failures pass unchanged.
void writeDataFile(QDataStream& stream, const ClientStorage& record)
{
    try {
        stream << DATAFILE_MAGIC << FORMAT_VERSION << record;
    } catch (const FileErr&) {
        throw;
    } catch (const StreamErr& e) {
        throw FileErr(e.code());
    }
}

bool openDataFile(QSaveFile& file)
{
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // It holds e-mail addresses: readable by the owner only.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

// Puts the written file in place: 0, or the code of a failed closing.
int commitDataFile(QSaveFile& file, bool written)
{
    // The last buffered bytes are written by commit(), which does not notice
    // when the disk takes only part of them: it would put a cut-off file in
    // place of the good one. Written out here, a short write shows.
    if (!written || !file.flush())
        file.cancelWriting();
    if (!file.commit()) {
        qDebug() << "Some error closing file in ClientStorage::saveToDisk";
        return ZUV_FILE_CLOSING_ERROR;
    }
    return ZUV_NO_ERROR;
}

bool nameTaken(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Renames an unreadable file to "<name>.damaged" (".damaged.1", ... when
// taken). False when it could not be moved out of the way.
bool keepDamagedFile(const QString& path)
{
    if (!nameTaken(path)) {
        unreadableFiles().remove(path);
        return true;
    }
    QString target = path + QStringLiteral(".damaged");
    for (int n = 1; nameTaken(target); ++n)
        target = path + QStringLiteral(".damaged.") + QString::number(n);
    if (!QFile::rename(path, target)) {
        qDebug() << "Cannot keep the unreadable file" << path << "as" << target << "- it is not overwritten";
        return false;
    }
    qDebug() << "The unreadable file" << path << "is kept as" << target;
    unreadableFiles().remove(path);
    return true;
}

// The data file as the readers see it: its size is taken once, when it is
// opened. Every check of the bytes that remain asks for the size, and a plain
// QFile asks the file system each time, thousands of times for a large file.
// A file that changes while it is read fails the reading either way.
class DataFileForReading : public QFile
{
public:
    explicit DataFileForReading(const QString& name) : QFile(name) {}

    bool open(OpenMode mode) override
    {
        const bool opened = QFile::open(mode);
        sizeWhenOpened = opened ? QFile::size() : 0;
        return opened;
    }
    qint64 size() const override { return sizeWhenOpened; }

private:
    qint64 sizeWhenOpened = 0;
};

void readRecord(QDataStream& s, ClientStorage& S)
{
    s >> S.Version;
    requireStreamOk(s, RECORD_READER);
    if (const unsigned problem = versionProblem(S.Version, ZUV_BAD_FILE_TOO_OLD, ZUV_BAD_FILE_TOO_NEW)) {
        qDebug() << "version error in QDataStream& operator>> (ClientStorage &S): version" << S.Version;
        throw StreamErr(problem);
    }

    s >> S.Membernumber >> S.Welcome;
    quint32 recommenders = 0;
    s >> recommenders;
    requireRoomFor(s, recommenders, RECOMMENDER_BYTES, RECORD_READER);
    S.RecommenderMembernumbers.clear();
    S.RecommenderMembernumbers.reserve(recommenders);
    for (quint32 i = 0; i < recommenders; ++i) {
        quint32 number = 0;
        s >> number;
        S.RecommenderMembernumbers.append(number);
    }
    S.RecommenderName = readText(s);
    s >> S.Country;
    S.PostalCode = readText(s);
    s >> S.CityPopulation >> S.eMailAddress >> S.eMailFlags >> S.SettingsFlags;
    requireStreamOk(s, RECORD_READER);

    // Older records numbered the countries before a country was inserted into
    // the list; shift them once and mark the record as changed.
    if (S.Version <= LAST_VERSION_WITH_OLD_COUNTRIES && !(S.SettingsFlags & ClientStorage::CountryRenumbered)) {
        S.SettingsFlags |= ClientStorage::CountryRenumbered;
        if (S.Country > LAST_UNMOVED_COUNTRY)
            S.Country += 1;
        S.SettingsFlags |= ClientStorage::SettingsChanged;
    }

    S.MemberSince = readDateTime(s);
    s >> S.NumberOfUploads;
    S.LastUpload = readDateTime(s);
    s >> S.NumberOfStartsSinceLastUpload >> S.FavouriteCoin >> S.GuessWhenMixdateYear >> S.GuessWhenMixdateMonth >>
        S.GuessWhenArrivaldateYear >> S.GuessWhenArrivaldateMonth;
    S.Message = readText(s);
    s >> S.ServerAddress >> S.ServerPort >> S.FTPServer >> S.NumberOfPicturesAvailable >> S.LastAnalysisPage >>
        S.LastTxtMessage >> S.LastPicture;
    S.LastDataAnalysisRead = readDateTime(s);
    qint32 x = 0, y = 0, width = 0, height = 0;
    s >> x >> y >> width >> height;
    S.WindowPositionSize.position = QPoint(x, y);
    S.WindowPositionSize.size = QSize(width, height);

    quint32 totals = 0;
    s >> totals;
    requireRoomFor(s, totals, EVENT_TOTAL_BYTES, RECORD_READER);
    S.TotalEvents.clear();
    for (quint32 i = 0; i < totals; ++i) {
        quint16 id = 0;
        quint32 total = 0;
        s >> id >> total;
        S.TotalEvents.insert(id, total);
    }

    s >> S.NumFullPurses;
    requireStreamOk(s, RECORD_READER);
    InitializeFromStream(s, S.Sessions);
    S.InvitationList.clear();
    s >> S.InvitationList;
    requireStreamOk(s, RECORD_READER);
}
} // namespace

ClientStorage::ClientStorage(const ClientStorage& other) : ClientStorage()
{
    MergeWithNewSessions(other);
}

ClientStorage& ClientStorage::operator=(const ClientStorage& other)
{
    if (this != &other) {
        ClientStorage copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void ClientStorage::setDefaultValues()
{
    Version = FORMAT_VERSION;
    Membernumber = 0;
    Welcome.clear();
    RecommenderMembernumbers.clear();
    RecommenderName = QStringLiteral("");
    Country = 0;
    PostalCode = QStringLiteral("");
    CityPopulation = 0;
    eMailAddress.clear();
    eMailFlags = 0;
    SettingsFlags = is_it_Windows() ? quint16(SettingsChanged) : quint16(SettingsChanged | DontNagConnection);
    MemberSince = DEFAULT_DATE;
    LastUpload = DEFAULT_DATE;
    NumberOfUploads = 0;
    NumberOfStartsSinceLastUpload = 0;
    std::srand(unsigned(QTime::currentTime().msecsSinceStartOfDay()));
    const qint64 draw = std::rand();
    FavouriteCoin = quint8(draw * NUM_FAVOURITE_COINS / (qint64(RAND_MAX) + 1));
    GuessWhenMixdateYear = 0;
    GuessWhenMixdateMonth = 0;
    GuessWhenArrivaldateYear = 0;
    GuessWhenArrivaldateMonth = 0;
    Message = QStringLiteral("");
    ServerAddress = ZUV_DEFAULT_SERVER_HOST;
    ServerPort = DEFAULT_SERVER_PORT;
    FTPServer = ZUV_DEFAULT_FTP_HOST;
    NumberOfPicturesAvailable = 0;
    LastAnalysisPage = 0;
    LastTxtMessage = 0;
    LastPicture = 0;
    LastDataAnalysisRead = MemberSince;
    WindowPositionSize.position = QPoint(0, 0);
    WindowPositionSize.size = QSize(DEFAULT_WINDOW_WIDTH, DEFAULT_WINDOW_HEIGHT);
    TotalEvents.clear();
    NumFullPurses = 0;
    Sessions.clear();
    InvitationList.clear();
}

void ClientStorage::MergeWithNewSessions(const ClientStorage& newer)
{
    // Taken first: merging a record into itself must append its old sessions once.
    const QList<Session> newSessions = newer.Sessions;
    const quint16 purses = quint16(NumFullPurses + newer.NumFullPurses);

    Version = newer.Version;
    Membernumber = newer.Membernumber;
    Welcome = newer.Welcome;
    RecommenderMembernumbers = newer.RecommenderMembernumbers;
    RecommenderName = newer.RecommenderName;
    Country = newer.Country;
    PostalCode = newer.PostalCode;
    CityPopulation = newer.CityPopulation;
    eMailAddress = newer.eMailAddress;
    eMailFlags = newer.eMailFlags;
    SettingsFlags = newer.SettingsFlags;
    MemberSince = newer.MemberSince;
    NumberOfUploads = newer.NumberOfUploads;
    LastUpload = newer.LastUpload;
    NumberOfStartsSinceLastUpload = newer.NumberOfStartsSinceLastUpload;
    FavouriteCoin = newer.FavouriteCoin;
    GuessWhenMixdateYear = newer.GuessWhenMixdateYear;
    GuessWhenMixdateMonth = newer.GuessWhenMixdateMonth;
    GuessWhenArrivaldateYear = newer.GuessWhenArrivaldateYear;
    GuessWhenArrivaldateMonth = newer.GuessWhenArrivaldateMonth;
    Message = newer.Message;
    ServerAddress = newer.ServerAddress;
    ServerPort = newer.ServerPort;
    FTPServer = newer.FTPServer;
    NumberOfPicturesAvailable = newer.NumberOfPicturesAvailable;
    LastAnalysisPage = newer.LastAnalysisPage;
    LastTxtMessage = newer.LastTxtMessage;
    LastPicture = newer.LastPicture;
    LastDataAnalysisRead = newer.LastDataAnalysisRead;
    WindowPositionSize = newer.WindowPositionSize;
    TotalEvents = newer.TotalEvents;

    NumFullPurses = purses;
    Sessions.append(newSessions);
    InvitationList = newer.InvitationList;
}

bool ClientStorage::NecessarySettingsOK() const
{
    return (SettingsFlags & NecessFilledIn) != 0;
}

void ClientStorage::setNecessarySettingsOK(bool ok)
{
    if (ok)
        SettingsFlags |= NecessFilledIn;
    else
        SettingsFlags &= quint16(~NecessFilledIn);
}

quint32 ClientStorage::totalSumOfCents() const
{
    quint32 sum = 0;
    for (const Session& session : Sessions)
        sum += session.sumOfCents();
    return sum;
}

bool ClientStorage::operator==(const ClientStorage& o) const
{
    return Version == o.Version && Membernumber == o.Membernumber && Welcome == o.Welcome &&
           RecommenderMembernumbers == o.RecommenderMembernumbers && RecommenderName == o.RecommenderName &&
           Country == o.Country && PostalCode == o.PostalCode && CityPopulation == o.CityPopulation &&
           eMailAddress == o.eMailAddress && eMailFlags == o.eMailFlags && SettingsFlags == o.SettingsFlags &&
           MemberSince == o.MemberSince && NumberOfUploads == o.NumberOfUploads && LastUpload == o.LastUpload &&
           NumberOfStartsSinceLastUpload == o.NumberOfStartsSinceLastUpload && FavouriteCoin == o.FavouriteCoin &&
           GuessWhenMixdateYear == o.GuessWhenMixdateYear && GuessWhenMixdateMonth == o.GuessWhenMixdateMonth &&
           GuessWhenArrivaldateYear == o.GuessWhenArrivaldateYear &&
           GuessWhenArrivaldateMonth == o.GuessWhenArrivaldateMonth && Message == o.Message &&
           ServerAddress == o.ServerAddress && ServerPort == o.ServerPort && FTPServer == o.FTPServer &&
           NumberOfPicturesAvailable == o.NumberOfPicturesAvailable && LastAnalysisPage == o.LastAnalysisPage &&
           LastTxtMessage == o.LastTxtMessage && LastPicture == o.LastPicture &&
           LastDataAnalysisRead == o.LastDataAnalysisRead && WindowPositionSize == o.WindowPositionSize &&
           TotalEvents == o.TotalEvents && NumFullPurses == o.NumFullPurses && Sessions == o.Sessions &&
           InvitationList == o.InvitationList;
}

quint32 sizeOf(const ClientStorage& storage)
{
    return serializedSize(storage);
}

QDataStream& operator<<(QDataStream& s, const ClientStorage& S)
{
    s << FORMAT_VERSION << S.Membernumber << S.Welcome;
    s << quint32(S.RecommenderMembernumbers.size());
    for (quint32 number : S.RecommenderMembernumbers)
        s << number;
    writeText(s, S.RecommenderName);
    s << S.Country;
    writeText(s, S.PostalCode);
    s << S.CityPopulation << S.eMailAddress << S.eMailFlags << S.SettingsFlags;
    writeDateTime(s, S.MemberSince);
    s << S.NumberOfUploads;
    writeDateTime(s, S.LastUpload);
    s << S.NumberOfStartsSinceLastUpload << S.FavouriteCoin << S.GuessWhenMixdateYear << S.GuessWhenMixdateMonth
      << S.GuessWhenArrivaldateYear << S.GuessWhenArrivaldateMonth;
    writeText(s, S.Message);
    s << S.ServerAddress << S.ServerPort << S.FTPServer << S.NumberOfPicturesAvailable << S.LastAnalysisPage
      << S.LastTxtMessage << S.LastPicture;
    writeDateTime(s, S.LastDataAnalysisRead);
    s << qint32(S.WindowPositionSize.position.x()) << qint32(S.WindowPositionSize.position.y())
      << qint32(S.WindowPositionSize.size.width()) << qint32(S.WindowPositionSize.size.height());
    s << quint32(S.TotalEvents.size());
    for (auto it = S.TotalEvents.cbegin(); it != S.TotalEvents.cend(); ++it)
        s << it.key() << it.value();
    s << S.NumFullPurses;
    toStream(s, S.Sessions);
    s << S.InvitationList;
    return s;
}

QDataStream& operator>>(QDataStream& s, ClientStorage& S)
{
    ClientStorage read;
    readRecord(s, read);
    S = std::move(read);
    return s;
}

int ClientStorage::saveToDisk(const QString& fileName) const
{
    const QString path = absolutePath(fileName);
    if (unreadableFiles().contains(path) && !keepDamagedFile(path))
        return ZUV_FILE_WRITE_OPENING_ERROR;

    // Written beside the old file and renamed over it only when complete, so
    // neither a crash nor a full disk nor an exception leaves half a file.
    const auto openingFailed = [] {
        qDebug() << "Some error opening file for writing in ClientStorage::saveToDisk";
        return ZUV_FILE_WRITE_OPENING_ERROR;
    };
    QSaveFile file(fileName);
    if (openDataFile(file)) {
        QDataStream stream(&file);
        writeDataFile(stream, *this); // on a throw the QSaveFile removes the unfinished file
        return commitDataFile(file, stream.status() == QDataStream::Ok);
    }

    // A folder that takes no new file around a file that may be written: the
    // file is written over in place. The whole record is made first, so that
    // only the writing itself can fail once the old content is gone.
    const QFileInfo existing(fileName);
    if (!existing.isFile() || !existing.isWritable())
        return openingFailed();
    QByteArray bytes;
    QDataStream memory(&bytes, QIODevice::WriteOnly);
    writeDataFile(memory, *this);
    QSaveFile inPlace(fileName);
    inPlace.setDirectWriteFallback(true);
    if (!openDataFile(inPlace))
        return openingFailed();
    return commitDataFile(inPlace, inPlace.write(bytes) == bytes.size());
}

int ClientStorage::loadFromDisk(const QString& fileName)
{
    DataFileForReading file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        // A file is there but we may not read it: it must not be replaced unseen.
        const QFileInfo info(fileName);
        if ((info.exists() || info.isSymLink()) && !info.isDir())
            rememberUnreadable(fileName);
        return ZUV_FILE_NOT_EXIST;
    }
    QDataStream stream(&file);
    quint32 magic = 0;
    stream >> magic;
    if (stream.status() != QDataStream::Ok || magic != DATAFILE_MAGIC) {
        rememberUnreadable(fileName);
        return ZUV_BAD_FILE_FORMAT;
    }
    quint16 version = 0;
    stream >> version;
    if (stream.status() != QDataStream::Ok) {
        rememberUnreadable(fileName);
        return ZUV_BAD_FILE_FORMAT;
    }
    if (const unsigned problem = versionProblem(version, ZUV_BAD_FILE_TOO_OLD, ZUV_BAD_FILE_TOO_NEW)) {
        rememberUnreadable(fileName);
        return int(problem);
    }

    try {
        stream >> *this;
    } catch (const FileErr&) {
        rememberUnreadable(fileName);
        throw;
    } catch (const StreamErr& e) {
        rememberUnreadable(fileName);
        throw FileErr(e.code());
    } catch (const myException&) {
        rememberUnreadable(fileName);
        throw;
    }

    file.close();
    if (file.error() != QFileDevice::NoError) {
        qDebug() << "Some error closing file in ClientStorage::loadFromDisk";
        return ZUV_FILE_CLOSING_ERROR;
    }
    unreadableFiles().remove(absolutePath(fileName));
    return ZUV_NO_ERROR;
}
