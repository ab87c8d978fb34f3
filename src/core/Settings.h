#pragma once

#include <QString>

namespace core {

// The workstation's settings, as read from vareko.ini. Every window reads these values,
// never the file. A value that was never read stays empty, zero or false.
struct Settings {
  // [Colors] integer colours 0x00BBGGRR
  int colorForm = 0;
  int colorPanel = 0;
  int colorGrid = 0;
  int colorGridTitle = 0;
  int colorDBNav = 0;
  // [Option]
  QString picture;     // "1" switches the main window's background picture off
  int limitNum = 0;    // rows per page of the paged lists
  bool limit = false;  // paging off
  // [Switch]
  bool adoszam = false;
  bool mh = false;
  bool felmerolap = false;
  bool orvos = false;
  bool logo = false;
  bool geporvos = false;
  // [Print]
  QString printer;
  QString printPerPage;
  // [Login]
  QString lastUser;
  // [Network]
  QString host;
  QString port;
  QString protocol;
  QString database;
  QString user;
  QString password;

  // Rows per page for the page clause: LimitNum, or 50 when the file gave no usable number
  // (a page of zero rows would show every list empty).
  int rowsPerPage() const { return limitNum > 0 ? limitNum : 50; }
  // Whether reports are printed page by page as separate jobs.
  bool printsPageByPage() const;
};

// The colours the settings file's table gives as defaults, and that the options dialog
// restores ("$0077D0FB" and so on).
struct DefaultColors {
  static constexpr int form = 0x0077D0FB;       // 7852283
  static constexpr int panel = 0x008FD9FC;      // 9427452
  static constexpr int grid = 0x00E0F3F3;       // 14742515
  static constexpr int gridTitle = 0x00B5E4F2;  // 11920626
  static constexpr int dbNav = 0x0005A2F5;      // 369397
};

}  // namespace core
