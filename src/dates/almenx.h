#pragma once

#include <QDateTime>
#include <QObject>
#include <QRect>
#include <QString>

#include <optional>

class QLineEdit;

// A colour laid out as 0x00BBGGRR.
using TColor = quint32;
// The colour value that stands for "no colour".
constexpr TColor clNone = 0x1FFFFFFF;

// A clock reading or a split date-time, field by field. Day of week: 0 Sunday ... 6 Saturday.
struct TSystemTid {
    quint16 wYear = 0;
    quint16 wMonth = 0;
    quint16 wDayOfWeek = 0;
    quint16 wDay = 0;
    quint16 wHour = 0;
    quint16 wMinute = 0;
    quint16 wSecond = 0;
    quint16 wMilliseconds = 0;

    bool operator==(const TSystemTid&) const = default;
};

// Small services for the windows: clock readings as text, day and month names in three
// languages and back, calendar arithmetic, cleaning of typed numbers, file name and folder
// helpers, colours and rectangles.
//
// Every text is made here from the component's own tables, never from the process locale.
// Date-times are QDateTime values; day numbers count from 30 December 1899 = 0.
class TAlmenX : public QObject {
    Q_OBJECT
    Q_PROPERTY(TSprog Sprog READ Sprog WRITE SetSprog STORED true)

public:
    enum class TSprog : quint8 { Dansk, Engelsk, Tysk };
    Q_ENUM(TSprog)

    // The language has no default: whoever places the component chooses it.
    explicit TAlmenX(TSprog sprog, QObject* parent = nullptr);

    TSprog Sprog() const { return FSprog; }
    void SetSprog(TSprog Value) { FSprog = Value; }

    // The last clock reading or split date-time.
    const TSystemTid& SystemTid() const { return FSystemTid; }

    // Clock texts; each reads the clock anew. Padded means two digits.
    QString AAr();
    QString Maaned();
    QString Dag();
    QString Time();
    QString Minut();
    QString Sekund();
    QString MilliSekund();
    QString Klokken(); // "Klokken 9:5"
    QString Dato();    // "05 03 2014"
    QString DagIMaaned();
    QString MaanedIAar();
    QString DagDato();        // "Onsdag 5 Marts 2014"
    QString Tid();            // "09.05"
    QString MaskDD();         // "05.03.2014"
    QString GetDateStempel(); // "2014-03-05_09-05"
    int GetYear();
    quint8 GetMonth();
    quint8 GetDate();

    // Names in the language Sprog; empty text for a number without a name.
    QString GetMaaned(quint8 Maaned) const; // 1..12
    QString GetDag(quint8 Dag) const;       // 0 and 7 Sunday, 1 Monday ... 6 Saturday
    static QString GetDato(quint8 Dato);    // the number, empty for 0
    static QString GetAar(int Aar);         // the number, empty for 0
    // A name in any of the three languages: Monday 1 ... Sunday 7, 8 when unknown. Only the
    // letters a-z are raised before comparing, so "lørdag" is unknown while "LØRDAG" is not.
    static quint8 GetDagByte(const QString& Dag);
    // 1..12, 0 when unknown; raised like GetDagByte.
    static quint8 GetMaanedByte(const QString& Maaned);

    // Gregorian calendar throughout.
    static bool EksisterDato(int Dag, int Maaned, int Aar);
    static int AntalDageIMaaned(int Aar, int Maaned); // 0 for a month outside 1..12
    // The day number of the date; nullopt for a date that does not exist or lies outside
    // the years 1..9999.
    static std::optional<int> AntalDage(int Dag, int Maaned, int Aar);
    // Weekday of a date-time: GetWeekDay 0 Sunday ... 6 Saturday, GetUgeDag 1 Monday ...
    // 7 Sunday; 8 for an invalid date-time.
    quint16 GetWeekDay(const QDateTime& dt);
    quint16 GetUgeDag(const QDateTime& dt);
    QString GetDayInWeek(const QDateTime& dt);
    // Empty text for a date that does not exist.
    QString DayInWeekAnyDate(int Dag, int Maaned, int Aar);
    // Week 1 begins on the year's first Monday; the days before it are week 0. Dag is not
    // checked against the month's length. -1 for a month outside 1..12 or a year outside
    // 1..9999.
    static int GetWeek(int Dag, int Maaned, int Aar);

    // Cleaning of typed numbers. Digits are "0"-"9" only. Numbers beyond 2147483647 are
    // held at that value.
    static QString GetAZ(const QString& EditS);
    static QString GetPosTal(const QString& EditS);
    static QString Get16Tal(const QString& EditS);
    static int EditInteger(const QString& EditS);
    static bool ErrorInteger(const QString& EditS);
    static bool ErrorPosInteger(const QString& EditS);
    static int EditPosInteger(const QString& EditS);
    static quint8 EditByte(const QString& EditS);
    static double EditFloat(const QString& EditS);
    static QString Floatkon(const QString& S);
    static QString Decimal2Kon(const QString& S, bool empty);
    static QString IntegerKon(const QString& S);
    static QString TelefonKon(const QString& S);
    static int AntalTal(const QString& S);

    // Date masks.
    static bool DatoMaskKon(const QString& S);
    static bool DBdatoKontrol(const QString& S);
    static bool DBdatoKon(QLineEdit& Edi);

    // File names; the extension begins at the first "." of the last path component.
    static QString SetExt(const QString& Ext, const QString& FNavn);
    static QString GetExt(const QString& FNavn);
    static QString NoExt(const QString& FNavn);
    static QString FilCaption(const QString& FNavn);
    static QString FilenameControl(const QString& S);
    static void ReplaceChar(QString& S, QChar repCh, QChar withCh);

    // Folders and files, by logical path. Nothing here descends through a symbolic link.
    static QString GetBibliotek(const QString& FNavn);
    static bool SendToRecycleBin(const QString& AFileName);
    // Deletes the files of Bib matching the pattern Ext ("*.*", "*.txt"), and with MedBib
    // the folder itself. True when everything asked for was deleted.
    static bool DeleteFiles(const QString& Bib, const QString& Ext, bool MedBib);
    static int CountFiles(const QString& Bib);
    // Removes every subfolder of Dir with its content; Dir and the files and links directly
    // in it stay. True when every subfolder went.
    static bool DeleteDir(const QString& Dir);

    // Colours and rectangles. A rectangle is given by its left, top, right and bottom
    // coordinates, and its width is right - left.
    static void HentRGB(TColor F, quint8& R, quint8& G, quint8& B);
    static QString GetHtmlFarve(TColor col);
    static QRect MoveRect(const QRect& R, int FlytX, int FlytY);
    static QRect ZoomRect(const QRect& R, int Zoom, double Regu);

    // Sets the computer's clock to today's date at the given local time. A refusal (an
    // ordinary user may not set the clock) or an impossible time is shown to the user and
    // returns false.
    bool SetTime(quint16 T, quint16 M, quint16 S);

private:
    const TSystemTid& readClock();
    const TSystemTid& split(const QDateTime& dt);

    TSystemTid FSystemTid;
    TSprog FSprog;
};
