-- ie_kockazat_mintapont: staging table of the workbook import of risk template points
-- Same columns as kockazat_mintapont; the key and the template column carry the prefix ie_ and hold the exported values.
-- The template key references the staged template, so truncating ie_kockazat_minta with CASCADE empties this table too.
CREATE TABLE ie_kockazat_mintapont (
  ie_kockazat_mintapont_kod serial PRIMARY KEY,  -- key of the exported row
  ie_kockazat_mintapont_tkod integer REFERENCES ie_kockazat_minta (ie_kockazat_minta_kod),  -- template key of the exported row
  szulo varchar(15),  -- number of the parent point; null for a main point
  ertek varchar(15),  -- the point's own number (2, 2.3, 2.3.1)
  melyseg smallint,  -- depth, 1 for a main point, at most 7
  sorszam smallint,  -- position among the siblings, from 1
  sorszamszov varchar(40),  -- sort key of ertek (1.2.10 -> 01.02.10.)
  szuloszov varchar(30),  -- sort key of szulo
  szoveg text,  -- heading text
  eszrevetel text,  -- remark about the risk
  javaslat text,  -- proposal for avoiding the risk
  engedely varchar(1),  -- endpoint flag: '1' no sub-points, '0' has sub-points
  masol boolean,  -- import mark, true ("1") import, false ("0") skip
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX ie_kockazat_mintapont_tkod_idx ON ie_kockazat_mintapont (ie_kockazat_mintapont_tkod);
