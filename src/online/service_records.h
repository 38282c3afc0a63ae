// Records that the club service's answers fill. Field names are the service's vocabulary;
// every text is Windows-1251 bytes.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantorn::online {

struct TInfo14 {
    std::string Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK, Telegram,
        FaceBook, Twitter, Instagramm, YouTube;
};

struct TQexUser {
    std::string Nick, Pw, City = "#", Country1 = "#", Country2 = "#";
    char Sex = '#';
    std::string EMail = "#", DateR = "00.00.0000", R01 = "#", R02 = "#", R03 = "#";
    int32_t R04 = 0, R05 = 0, R06 = 0;
    std::string PwC;
    TInfo14 Info;
};

struct TQexGame {
    int32_t Kon = 0, Score = 0, Sessions = 0;
    double Rating = 0;
    char PlayNow = 'N';
    int32_t R1 = 0;
    std::string R2 = "#";
    int32_t Place = 0, Best = 0, Best5 = 0, Best6 = 0, Best7 = 0, Best8 = 0, KonL = 0;
    char WindA = '#', WindB = '#';
    uint8_t WhoL = 0, SkL = 0;
    int32_t Bank = 0;
    uint8_t DoBank = 0;
    int32_t Win = 0, WinL = 0, Won = 0, WonL = 0, Nih = 0, NihL = 0, Sco = 0, ScoL = 0;
};

struct TQexTop10 {
    std::string Nick, City, Country;
    char Sex = 'M';
    double Rating = 0;
};

struct TQexRecord {
    int32_t RID = 0, GID = 0, Score = 0;
    std::string Nick = "#", Country = "#", City = "#", R07 = "#", R08 = "#", R09 = "#",
                R10 = "#*";
    int32_t Place = 0;
};

struct TQexClient {
    std::string Nick;
    int32_t Score = 0, Kon = 0, Rating = 0;
    std::string Country, City;
    char Sex = 'M';
    std::string IP;
};

struct TQexSeat {
    std::string Nick = "X";
    int32_t Score = 0, Kon = 0, Rating = 0;
    std::string Country = "X", City = "X";
    char Sex = 'M';
    std::string IP = "X";
};

struct TQexTable {
    std::string IP = "0.0.0.0";
    int32_t Port = 0;
    std::string Free = "X";
    int32_t R1 = 0;
    std::string R2 = "X";
    TQexSeat Seat1, Seat2;  // Nick1..IP1 and Nick2..IP2
};

struct TQexStat {
    int32_t GID = 0, Stat1 = 0, Stat2 = 0, Stat3 = 0;
    std::string Stat4;
    std::array<int32_t, 12> StatX{};  // StatX[1..12] of the service live at index 0..11
    int32_t StatY = 0;
    std::string StatZ;
};

}  // namespace vantorn::online
