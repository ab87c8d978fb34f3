-- ie_gep_munkaeszkoz: staging table of the workbook import of machines
-- Same columns as gep_munkaeszkoz; the key, partner and site columns carry the prefix ie_ and hold the exported values.
CREATE TABLE ie_gep_munkaeszkoz (
  ie_gep_munkaeszkoz_kod serial PRIMARY KEY,  -- key of the exported row
  ie_gep_munkaeszkoz_pkod integer,  -- partner key of the exported row
  ie_gep_munkaeszkoz_tkod integer,  -- site key of the exported row
  nev varchar(80),  -- name ("Eszköz neve:")
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
  masol varchar(1),  -- import mark, "1" import, "0" skip
  felepitmeny_nev varchar(60),  -- superstructure name
  felepitmeny_tipszam varchar(30),  -- superstructure type number
  felepitmeny_gyszam varchar(30),  -- superstructure serial number
  kepfile varchar(250),  -- full path of the photograph, "/" as separator
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
