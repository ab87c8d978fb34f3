-- kockazat_elemzes: risk analyses (kockázatelemzés) of a partner's site, each made from a risk template
CREATE TABLE kockazat_elemzes (
  kockazat_elemzes_kod serial PRIMARY KEY,
  kockazat_elemzes_pkod integer,  -- partner of the working context
  kockazat_elemzes_tkod integer,  -- site of the working context
  sorszam integer,  -- running number within partner and site, in key order
  nev varchar(100),  -- name of the examination (job title for the type Munkakör)
  bevezeto text,  -- description of the examined machine, equipment, material or technology
  minta_kod integer,  -- template it was made from; no foreign key: deleting a template leaves its analyses alone
  minta_nev varchar(100),  -- name of that template
  minta_tipus varchar(50),  -- type name of that template
  kelthely varchar(60),  -- place of issue
  datum_keltido date,  -- date of the examination
  vegezte varchar(50),  -- examiner's name
  beosztas varchar(40),  -- examiner's certificate number
  vizsghelye varchar(80),  -- place of the examination
  jeloles boolean,  -- included in the risk evaluation currently selected
  adatszolg varchar(60),  -- person who supplied the data
  felulvizsg boolean,  -- the analysis is a review
  mh_nyilvszam varchar(20),  -- military registry number
  mh_lapszam varchar(3),  -- sheets per copy
  mh_peldany varchar(3),  -- number of copies made
  mh_aktpeldany varchar(3),  -- number of this copy
  mh_itsz varchar(10),  -- filing number (ITSZ)
  mh_ugyintezo varchar(50),  -- clerk
  mh_kapjak text,  -- distribution list
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_elemzes_context_idx ON kockazat_elemzes (kockazat_elemzes_pkod, kockazat_elemzes_tkod);
