-- fixdata_szabvany_csoport: type groups of standards; the row "*" stands for all groups in the picker
CREATE TABLE fixdata_szabvany_csoport (
  fixdata_szabvany_csoport_kod serial PRIMARY KEY,
  nev varchar(40)  -- group name
);
CREATE INDEX fixdata_szabvany_csoport_nev_idx ON fixdata_szabvany_csoport (nev);
INSERT INTO fixdata_szabvany_csoport (nev) VALUES ('*');
