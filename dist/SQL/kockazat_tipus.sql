-- kockazat_tipus: risk document types that risk templates refer to by name
CREATE TABLE kockazat_tipus (
  kockazat_tipus_kod serial PRIMARY KEY,
  tipusnev varchar(50),  -- type name; kockazat_minta.tipus holds this text, not the key
  torles boolean,  -- true: protected type, not deletable; false for types made by the user
  c_userid varchar(20),
  c_date date,
  c_time varchar(10),
  m_userid varchar(20),
  m_date date,
  m_time varchar(10)
);
CREATE INDEX kockazat_tipus_tipusnev_idx ON kockazat_tipus (tipusnev);
