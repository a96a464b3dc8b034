-- What the officials wrote beside a mark: how it was timed ('h' by hand, '' by the automatic
-- timer or not a time), the wind reading in metres a second (NULL when none was taken),
-- whether the mark was wind-aided (over +2.0, or marked so without a reading), and a relay
-- leg's split. An older mark is automatic, without a reading, legal, and without a split.
ALTER TABLE Event_to_Runner ADD COLUMN Timing text DEFAULT '';
ALTER TABLE Event_to_Runner ADD COLUMN Wind double precision DEFAULT NULL;
ALTER TABLE Event_to_Runner ADD COLUMN Aided integer DEFAULT 0;
-- A relay leg's split time in seconds, NULL when none was taken.
ALTER TABLE Event_to_Runner ADD COLUMN Split double precision DEFAULT NULL;

-- The view gains them.
DROP VIEW Events_View;
CREATE VIEW Events_View AS
SELECT Slot.Pin               AS JoinPin,
       Events.Pin             AS event_Pin,
       Events.Type            AS Type,
       EventType.Name         AS EventName,
       EventType.isRelay      AS isRelay,
       Slot.Runner_Pin        AS Runner_Pin,
       Runners.Name           AS Runners_Name,
       Event_to_Meet.Meet_Pin AS Meet_Pin,
       Meets.MeetTime         AS MeetTime,
       Host.School            AS HostingSchool,
       Slot.feet              AS Measure1,
       Slot.Inches            AS Measure2,
       CASE
           WHEN Slot.feet = 0 AND Slot.Inches = 0 THEN ''
           WHEN Events.Type BETWEEN 8 AND 13 THEN (
               SELECT CASE
                          WHEN i = trunc(i) THEN f || '-' || lpad(CAST(trunc(i) AS text), 2, '0')
                          ELSE f || '-' || lpad(to_char(i, 'FM90.00'), 5, '0')
                      END
               FROM (SELECT CAST(trunc(ti / 12) AS integer) AS f, ti - trunc(ti / 12) * 12 AS i
                     FROM (SELECT round(CAST(Slot.feet * 12 + Slot.Inches AS numeric), 2) AS ti)
                          AS Total) AS Parts)
           ELSE (
               SELECT CASE
                          WHEN t < 60 THEN to_char(t, 'FM999999990.00')
                          ELSE CAST(trunc(t / 60) AS integer) || ':' ||
                               lpad(to_char(t - trunc(t / 60) * 60, 'FM90.00'), 5, '0')
                      END
               FROM (SELECT round(CAST(Slot.Minutes * 60 + Slot.Seconds AS numeric), 2) AS t)
                    AS Total)
       END                    AS MeasureTime,
       Slot.Place             AS Place,
       Slot.Points            AS Points,
       Events.Division_Pin    AS Division_Pin,
       Divisions.Name         AS DivisionName,
       Divisions.Gender       AS DivisionGender,
       Slot.RelayTeam         AS RelayTeam,
       Runners.Gender         AS Gender,
       CASE
           WHEN Divisions.Gender IN ('F', 'M') THEN Divisions.Gender
           WHEN upper(substr(trim(Runners.Gender), 1, 1)) IN ('F', 'G', 'W') THEN 'F'
           WHEN upper(substr(trim(Runners.Gender), 1, 1)) IN ('M', 'B') THEN 'M'
           ELSE ''
       END                    AS MarkGender,
       Slot.Timing            AS Timing,
       Slot.Wind              AS Wind,
       Slot.Aided             AS Aided,
       Slot.Split             AS Split
FROM Event_to_Runner AS Slot
JOIN Events ON Events.Pin = Slot.Event_Pin
JOIN EventType ON EventType.Pin = Events.Type
JOIN Event_to_Meet ON Event_to_Meet.Event_Pin = Events.Pin
JOIN Meets ON Meets.Pin = Event_to_Meet.Meet_Pin
LEFT JOIN Teams AS Host ON Host.Pin = Meets.HostingTeam
LEFT JOIN Runners ON Runners.Pin = Slot.Runner_Pin
LEFT JOIN Divisions ON Divisions.Pin = Events.Division_Pin;
