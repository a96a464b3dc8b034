-- What the officials wrote beside a mark: how it was timed ('h' by hand, '' by the automatic
-- timer or not a time), the wind reading in metres a second (NULL when none was taken),
-- whether the mark was wind-aided (over +2.0, or marked so without a reading), and a relay
-- leg's split. An older mark is automatic, without a reading, legal, and without a split.
ALTER TABLE Event_to_Runner ADD COLUMN Timing TEXT DEFAULT '';
ALTER TABLE Event_to_Runner ADD COLUMN Wind REAL DEFAULT NULL;
ALTER TABLE Event_to_Runner ADD COLUMN Aided INTEGER DEFAULT 0;
-- A relay leg's split time in seconds, NULL when none was taken.
ALTER TABLE Event_to_Runner ADD COLUMN Split REAL DEFAULT NULL;

-- The view gains them.
DROP VIEW Events_View;
CREATE VIEW Events_View AS
SELECT Slot.Pin          AS JoinPin,
       Events.Pin        AS event_Pin,
       Events.Type       AS Type,
       EventType.Name    AS EventName,
       EventType.isRelay AS isRelay,
       Slot.Runner_Pin   AS Runner_Pin,
       Runners.Name      AS Runners_Name,
       Event_to_Meet.Meet_Pin AS Meet_Pin,
       Meets.MeetTime    AS MeetTime,
       Host.School       AS HostingSchool,
       Slot.feet         AS Measure1,
       Slot.Inches       AS Measure2,
       CASE
           WHEN Slot.feet = 0 AND Slot.Inches = 0 THEN ''
           WHEN Events.Type BETWEEN 8 AND 13 THEN (
               SELECT CASE
                          WHEN i = CAST(i AS INTEGER) THEN printf('%d-%02d', f, CAST(i AS INTEGER))
                          ELSE printf('%d-%05.2f', f, i)
                      END
               FROM (SELECT CAST(ti / 12 AS INTEGER) AS f,
                            ti - CAST(ti / 12 AS INTEGER) * 12 AS i
                     FROM (SELECT round(Slot.feet * 12 + Slot.Inches, 2) AS ti)))
           ELSE (
               SELECT CASE
                          WHEN t < 60 THEN printf('%.2f', t)
                          ELSE printf('%d:%05.2f', CAST(t / 60 AS INTEGER),
                                      t - CAST(t / 60 AS INTEGER) * 60)
                      END
               FROM (SELECT round(Slot.Minutes * 60 + Slot.Seconds, 2) AS t))
       END               AS MeasureTime,
       Slot.Place        AS Place,
       Slot.Points       AS Points,
       Events.Division_Pin AS Division_Pin,
       Divisions.Name    AS DivisionName,
       Divisions.Gender  AS DivisionGender,
       Slot.RelayTeam    AS RelayTeam,
       Runners.Gender    AS Gender,
       CASE
           WHEN Divisions.Gender IN ('F', 'M') THEN Divisions.Gender
           WHEN upper(substr(trim(Runners.Gender), 1, 1)) IN ('F', 'G', 'W') THEN 'F'
           WHEN upper(substr(trim(Runners.Gender), 1, 1)) IN ('M', 'B') THEN 'M'
           ELSE ''
       END               AS MarkGender,
       Slot.Timing       AS Timing,
       Slot.Wind         AS Wind,
       Slot.Aided        AS Aided,
       Slot.Split        AS Split
FROM Event_to_Runner AS Slot
JOIN Events ON Events.Pin = Slot.Event_Pin
JOIN EventType ON EventType.Pin = Events.Type
JOIN Event_to_Meet ON Event_to_Meet.Event_Pin = Events.Pin
JOIN Meets ON Meets.Pin = Event_to_Meet.Meet_Pin
LEFT JOIN Teams AS Host ON Host.Pin = Meets.HostingTeam
LEFT JOIN Runners ON Runners.Pin = Slot.Runner_Pin
LEFT JOIN Divisions ON Divisions.Pin = Events.Division_Pin;
