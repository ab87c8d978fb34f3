-- downserver: one-row table read by the connection watchdog as its probe
CREATE TABLE downserver (
  "check" varchar(10) NOT NULL  -- probe value; only read
);
INSERT INTO downserver ("check") VALUES ('ok');
