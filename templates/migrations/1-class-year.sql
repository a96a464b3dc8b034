-- The year a runner's class graduates ("Class of"). Empty for runners entered without one,
-- who keep the grade that is stored for them.
ALTER TABLE Runners ADD COLUMN ClassOf INTEGER;

-- The view gives a runner's grade as of today: from the class year where there is one (a
-- school year starts on 1 August; a class that has graduated has no grade), else as stored.
DROP VIEW Runners_View;
CREATE VIEW Runners_View AS
SELECT Runners.Pin            AS Pin,
       Runners.Pin            AS Runner_Pin,
       Runner_to_Team.Team_Pin AS Team_Pin,
       Runners.Name           AS Name,
       Runners.PhoneNumber    AS PhoneNumber,
       Runners.Address        AS Address,
       CASE
           WHEN Runners.ClassOf IS NULL THEN Runners.Grade
           WHEN Runners.ClassOf < Now.Graduating THEN NULL
           ELSE 12 - (Runners.ClassOf - Now.Graduating)
       END                    AS Grade,
       Teams.School           AS School,
       Runners.ClassOf        AS ClassOf
FROM Runners
JOIN Runner_to_Team ON Runner_to_Team.Runner_Pin = Runners.Pin
JOIN Teams ON Teams.Pin = Runner_to_Team.Team_Pin
CROSS JOIN (SELECT CAST(strftime('%Y', 'now', 'localtime') AS INTEGER)
                   + (CAST(strftime('%m', 'now', 'localtime') AS INTEGER) >= 8) AS Graduating) AS Now;
