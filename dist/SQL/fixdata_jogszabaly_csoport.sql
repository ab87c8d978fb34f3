-- fixdata_jogszabaly_csoport: groups of legislation; the row "*" stands for all groups in the picker
CREATE TABLE fixdata_jogszabaly_csoport (
  fixdata_jogszabaly_csoport_kod serial PRIMARY KEY,
  nev varchar(40)  -- group name
);
CREATE INDEX fixdata_jogszabaly_csoport_nev_idx ON fixdata_jogszabaly_csoport (nev);
INSERT INTO fixdata_jogszabaly_csoport (nev) VALUES ('*');
