-- gep_munkaeszkoz: machine register: work equipment (gép, munkaeszköz) of a partner site
-- Protocols and commissioning/restart orders reference a machine by key, so the
-- server refuses to delete a machine that still has them.
CREATE TABLE gep_munkaeszkoz (
  gep_munkaeszkoz_kod serial PRIMARY KEY,  -- identity ("Azonosító")
  gep_munkaeszkoz_pkod integer,  -- owning partner (partner_kod)
  gep_munkaeszkoz_tkod integer,  -- owning site (telephely_kod)
  nev varchar(80),  -- name ("Eszköz neve:"); the window requires it
  tipus varchar(30),  -- type
  gyartasiszam varchar(40),  -- serial number
  gyarttasev varchar(4),  -- year of manufacture
  gyarto_neve varchar(80),  -- manufacturer's name
  gyarto_orszag varchar(30),  -- manufacturer's country
  gyarto_isz varchar(10),  -- manufacturer's postcode
  gyarto_telepules varchar(60),  -- manufacturer's town
  gyarto_cime varchar(80),  -- manufacturer's street address
  gyarto_telefon varchar(60),  -- manufacturer's telephone
  leltariszam varchar(40),  -- inventory number
  mintansz varchar(40),  -- number of the quality certificate
  megtansz varchar(40),  -- number of the declaration of conformity
  datum_beszerzes date,  -- date of acquisition
  datum_selejtezes date,  -- date of scrapping; empty while in use
  telepiteshelye varchar(80),  -- physical place of installation
  statusz varchar(10),  -- "Működik" or "Kivonva"
  energiaforras varchar(30),  -- power source
  gepfocsoport varchar(40),  -- main group: nev of a gep_focsoport row
  veszelyesseg varchar(20),  -- "Nem veszélyes" or "Veszélyes"
  uzemdoksieve varchar(5),  -- year of issue of the operating documentation
  kezelutszam varchar(20),  -- number and date of the operating instructions
  technleir text,  -- short technological description
  foreszei text,  -- list of main parts
  fomuszadat text,  -- main technical data, rich text
  karbantartas text,  -- notes on maintenance and refurbishment
  teherbiras varchar(10),  -- rated load capacity
  mukido varchar(1),  -- operating-time class, 1-based position
  uzmjell varchar(1),  -- operating characteristic (load spectrum) class, 1-based position
  uzmjellstr varchar(150),  -- full text of the chosen operating characteristic
  mukfok varchar(1),  -- operating class (A0-A6 or M1-M5), 1-based position
  terfok varchar(1),  -- load class (B1-B4 or T1-T3), 1-based position
  uzmcsop varchar(1),  -- operating group number, "1"-"6"
  idoszerk varchar(3),  -- structural inspection interval, months
  idofov varchar(3),  -- main inspection interval, months
  idobizt varchar(3),  -- periodic safety inspection interval, months
  masol varchar(1),  -- print-selection mark of the machine list: "1" selected, "0" not
  felepitmeny_nev varchar(60),  -- superstructure name
  felepitmeny_tipszam varchar(30),  -- superstructure type number
  felepitmeny_gyszam varchar(30),  -- superstructure serial number
  kepfile varchar(250),  -- full path of the photograph, "/" as separator
  c_userid varchar(20),  -- user who inserted the row
  c_date date,  -- date of insert
  c_time varchar(10),  -- time of insert, as text
  m_userid varchar(20),  -- user who changed the row last
  m_date date,  -- date of last change
  m_time varchar(10)  -- time of last change, as text
);
CREATE INDEX gep_munkaeszkoz_context_idx ON gep_munkaeszkoz (gep_munkaeszkoz_pkod, gep_munkaeszkoz_tkod);
CREATE INDEX gep_munkaeszkoz_nev_idx ON gep_munkaeszkoz (nev);
