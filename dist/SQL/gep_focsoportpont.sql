-- gep_focsoportpont: library of standard check-point texts of a machine main group
CREATE TABLE gep_focsoportpont (
  gep_focsoportpont_kod serial PRIMARY KEY,
  gep_focsoportpont_gpont integer,  -- owning main group (gep_focsoport_kod)
  pont varchar(15),  -- point number
  nev text,  -- wording of the point ("Pont leírása")
  sorszam smallint,  -- point number as entered
  sorszamszov varchar(30),  -- point number as text, sort key ("Sorszám")
  c_userid varchar(20),  -- user who inserted the row
  c_date date,  -- date of insert
  c_time varchar(10),  -- time of insert, as text
  m_userid varchar(20),  -- user who changed the row last
  m_date date,  -- date of last change
  m_time varchar(10),  -- time of last change, as text
  CONSTRAINT gep_focsoportpont_gpont_fkey FOREIGN KEY (gep_focsoportpont_gpont) REFERENCES gep_focsoport (gep_focsoport_kod)
);
CREATE INDEX gep_focsoportpont_gpont_idx ON gep_focsoportpont (gep_focsoportpont_gpont);
