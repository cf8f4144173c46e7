// "Скачать для Word": the pupil's and the teacher's sheet of a run as Word documents. The core makes
// the parts (the same bytes as mathsheets-cli's); fflate, inlined into the page, packs them. The
// buttons are there whenever the run's files are offered for download.
'use strict';
const MathsheetsDocx = (() => {
  // Every entry's time, as the command line writes it: 2 January 1980.
  const entryTime = new Date(1980, 0, 2);
  const wordType = 'application/vnd.openxmlformats-officedocument.wordprocessingml.document';

  function archive(parts) {
    const entries = {};
    for (const part of parts) entries[part.name] = [part.bytes, { mtime: entryTime }];
    return fflate.zipSync(entries, { level: 6 });
  }

  function save(bytes, name) {
    const url = URL.createObjectURL(new Blob([bytes], { type: wordType }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // `files()`: the run's files, {student, teacher}, each {name, bytes}; `layout()`: the print
  // choices; `showMessages(lines)`: the page's messages.
  function attach({ core, files, layout, showMessages }) {
    const offered = document.getElementById('download-student');
    const buttons = [['docx-student', false], ['docx-teacher', true]].map(([id, teacher]) => {
      const button = document.getElementById(id);
      button.addEventListener('click', () => {
        const run = files();
        const parts = core.DocxParts(run.student.bytes, run.teacher.bytes, teacher, layout());
        if (!Array.isArray(parts)) {
          showMessages([parts.error]);
          return;
        }
        const name = (teacher ? run.teacher : run.student).name.replace(/\.txt$/, '') + '.docx';
        save(archive(parts), name);
      });
      return button;
    });
    const follow = () => { for (const button of buttons) button.hidden = offered.hidden; };
    new MutationObserver(follow).observe(offered, { attributes: true, attributeFilter: ['hidden'] });
    follow();
  }

  return { attach };
})();
