// The run worker: started for one run from a script that holds the core before this text, it
// writes both files in the core's memory file system and hands their bytes to the page. The page
// stops a run by ending the worker, so nothing half-made ever reaches it.
'use strict';
const coreReady = MathsheetsCore();
self.onmessage = async (event) => {
  const job = event.data;
  const core = await coreReady;
  const report = (written, total) => self.postMessage({ kind: 'progress', written, total });
  const started = performance.now();
  const result = job.kind === 'main'
    ? core.RunMain(job.state, job.seed, report)
    : core.RunProblems(job.selected, job.variantsText, job.seed, report);
  if (result.error !== undefined) {
    self.postMessage({ kind: 'failed', text: result.error });
    return;
  }
  const student = core.FS.readFile(result.studentPath);
  const teacher = core.FS.readFile(result.teacherPath);
  core.FS.unlink(result.studentPath);
  core.FS.unlink(result.teacherPath);
  self.postMessage({
    kind: 'done',
    studentName: result.studentName,
    teacherName: result.teacherName,
    written: result.written,
    asked: result.asked,
    milliseconds: performance.now() - started,
    student,
    teacher,
  }, [student.buffer, teacher.buffer]);
};
