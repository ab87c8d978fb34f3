-- gep_minta: inspection templates (minta jegyzőkönyv): named, typed lists of check points, global
CREATE TABLE gep_minta (
  gep_minta_kod serial PRIMARY KEY,
  gepfocsoport varchar(40),  -- machine main group: nev of a gep_focsoport row
  csoport varchar(40),  -- template group: nev of a gep_csoport row
  nev varchar(60),  -- template name
  tipus varchar(80),  -- inspection type; the texts drive the next-inspection rule
  fajta varchar(80),  -- inspection kind
  datum_felvetel date,  -- date of creation
  datum_modosit date,  -- date of last change of the template or one of its points
  masol boolean,  -- selection mark of the workbook exchange
  c_userid varchar(20),  -- user who inserted the row
  c_date date,  -- date of insert
  c_time varchar(10),  -- time of insert, as text
  m_userid varchar(20),  -- user who changed the row last
  m_date date,  -- date of last change
  m_time varchar(10)  -- time of last change, as text
);
CREATE INDEX gep_minta_nev_idx ON gep_minta (nev);
CREATE INDEX gep_minta_gepfocsoport_idx ON gep_minta (gepfocsoport);
