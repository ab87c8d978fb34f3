-- kockazat_ertekeles: risk evaluation documents (kockázatértékelés) of a partner's site
CREATE TABLE kockazat_ertekeles (
  kockazat_ertekeles_kod serial PRIMARY KEY,
  kockazat_ertekeles_pkod integer,  -- partner of the working context
  kockazat_ertekeles_tkod integer,  -- site of the working context
  nev varchar(100),  -- name of the evaluation
  kelthely varchar(60),  -- place of issue
  datum_keltido date,  -- date of issue
  datum_elozoido date,  -- date of the previous examination
  datum_kovetkezoido date,  -- date of the next examination
  felulvizsg boolean,  -- the evaluation is a review
  vizsgvegezte varchar(50),  -- examiner's name
  beosztas varchar(40),  -- examiner's certificate number
  telepszam varchar(4),  -- head-count of the site
  teljesszam varchar(4),  -- total head-count
  ferfiszam varchar(4),  -- of which men
  noszam varchar(4),  -- of which women
  k_nincsen boolean,  -- risk class 1 (no risk) in the summary and action plan
  k_alacsony boolean,  -- risk class 2 (low)
  k_kozepes boolean,  -- risk class 3 (medium)
  k_jelentos boolean,  -- risk class 4 (significant)
  k_nagy boolean,  -- risk class 5 (high)
  lista varchar(5),
  orvos text,  -- occupational doctor
  zaradek text,  -- closing clause
  muszvezeto text,  -- technical manager
  mvvezeto text,  -- safety manager: name, CR, certificate number
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_ertekeles_context_idx ON kockazat_ertekeles (kockazat_ertekeles_pkod, kockazat_ertekeles_tkod);
