-- ie_kockazat_minta: staging table of the workbook import of risk templates
-- Same columns as kockazat_minta; the key carries the prefix ie_ and holds the exported values.
CREATE TABLE ie_kockazat_minta (
  ie_kockazat_minta_kod serial PRIMARY KEY,  -- key of the exported row
  nev varchar(100),  -- template name
  tipus varchar(50),  -- tipusnev of a kockazat_tipus row, stored as text
  masol boolean,  -- import mark, true ("1") import, false ("0") skip
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
