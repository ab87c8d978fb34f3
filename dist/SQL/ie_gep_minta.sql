-- ie_gep_minta: staging table of the workbook import of inspection templates
-- Same columns as gep_minta; the key carries the prefix ie_ and holds the exported values.
CREATE TABLE ie_gep_minta (
  ie_gep_minta_kod serial PRIMARY KEY,  -- key of the exported row
  gepfocsoport varchar(40),  -- machine main group: nev of a gep_focsoport row
  csoport varchar(40),  -- template group: nev of a gep_csoport row
  nev varchar(60),  -- template name
  tipus varchar(80),  -- inspection type; the texts drive the next-inspection rule
  fajta varchar(80),  -- inspection kind
  datum_felvetel date,  -- date of creation
  datum_modosit date,  -- date of last change of the template or one of its points
  masol boolean,  -- import mark, true ("1") import, false ("0") skip
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
