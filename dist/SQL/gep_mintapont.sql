-- gep_mintapont: check points of an inspection template, a numbered tree of at most 7 levels
CREATE TABLE gep_mintapont (
  gep_mintapont_kod serial PRIMARY KEY,
  gep_mintapont_tkod integer,  -- owning template (gep_minta_kod)
  szulo varchar(15),  -- number of the parent point; empty for a main point
  ertek varchar(15),  -- the point's own number, e.g. 2.3.1
  melyseg smallint,  -- depth, 1 for a main point
  szoveg text,  -- wording of the check point
  engedely varchar(1),  -- endpoint flag: "1" no sub-points, "0" has sub-points
  sorszam smallint,  -- position among the siblings, from 1
  masol boolean,  -- work flag of the renumbering
  sorszamszov varchar(30),  -- sort key of ertek
  jogszab varchar(10),  -- legal reference kind: "szabvány" or "jogszabály"
  jogszabnev varchar(250),  -- legal reference: number + " " + title
  jogszabpont varchar(80),  -- legal reference: cited section
  vizsgalatm varchar(40),  -- way of checking
  jogszabszam varchar(50),  -- legal reference: number
  jogszabszov varchar(250),  -- legal reference: title
  szuloszov varchar(30),  -- sort key of szulo
  sor smallint,  -- copied when a template is duplicated
  c_userid varchar(20),  -- user who inserted the row
  c_date date,  -- date of insert
  c_time varchar(10),  -- time of insert, as text
  m_userid varchar(20),  -- user who changed the row last
  m_date date,  -- date of last change
  m_time varchar(10),  -- time of last change, as text
  CONSTRAINT gep_mintapont_tkod_fkey FOREIGN KEY (gep_mintapont_tkod) REFERENCES gep_minta (gep_minta_kod)
);
CREATE INDEX gep_mintapont_tkod_idx ON gep_mintapont (gep_mintapont_tkod);
