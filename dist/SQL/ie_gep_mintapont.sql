-- ie_gep_mintapont: staging table of the workbook import of inspection template points
-- Same columns as gep_mintapont; the key and the template column carry the prefix ie_ and hold the exported values.
-- The template key references the staged template, so truncating ie_gep_minta with CASCADE empties this table too.
CREATE TABLE ie_gep_mintapont (
  ie_gep_mintapont_kod serial PRIMARY KEY,  -- key of the exported row
  ie_gep_mintapont_tkod integer REFERENCES ie_gep_minta (ie_gep_minta_kod),  -- template key of the exported row
  szulo varchar(15),  -- number of the parent point; empty for a main point
  ertek varchar(15),  -- the point's own number, e.g. 2.3.1
  melyseg smallint,  -- depth, 1 for a main point
  szoveg text,  -- wording of the check point
  engedely varchar(1),  -- endpoint flag: "1" no sub-points, "0" has sub-points
  sorszam smallint,  -- position among the siblings, from 1
  masol boolean,  -- import mark, true ("1") import, false ("0") skip
  sorszamszov varchar(30),  -- sort key of ertek
  jogszab varchar(10),  -- legal reference kind: "szabvány" or "jogszabály"
  jogszabnev varchar(250),  -- legal reference: number + " " + title
  jogszabpont varchar(80),  -- legal reference: cited section
  vizsgalatm varchar(40),  -- way of checking
  jogszabszam varchar(50),  -- legal reference: number
  jogszabszov varchar(250),  -- legal reference: title
  szuloszov varchar(30),  -- sort key of szulo
  sor smallint,  -- copied when a template is duplicated
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX ie_gep_mintapont_tkod_idx ON ie_gep_mintapont (ie_gep_mintapont_tkod);
