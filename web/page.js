// The page: the main window's selection and the word-problem window over the core, a run in a
// worker, the files offered for download, the printed sheet, and the selection as the address's
// fragment. Text from the fragment and from the files is only ever set as text.
'use strict';
(async () => {
  const $ = (id) => document.getElementById(id);

  // An element with attributes and children; strings become text nodes.
  function element(tag, attributes = {}, ...children) {
    const node = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes)) {
      if (value === false || value === undefined) continue;
      node.setAttribute(name, value === true ? '' : String(value));
    }
    for (const child of children) node.append(child);
    return node;
  }

  const messages = $('messages');
  function showMessages(lines) {
    messages.textContent = lines.join('\n');
    messages.hidden = lines.length === 0;
  }

  function randomSeed() {
    return crypto.getRandomValues(new Uint32Array(1))[0];
  }

  const core = await MathsheetsCore();
  core.Start(randomSeed());
  const catalog = core.Catalog();

  // ---- Tabs ----
  const tabs = [$('tab-main'), $('tab-problems'), $('tab-results')];
  function selectTab(tab, focus = false) {
    for (const t of tabs) {
      const selected = t === tab;
      t.setAttribute('aria-selected', String(selected));
      t.tabIndex = selected ? 0 : -1;
      $(t.getAttribute('aria-controls')).hidden = !selected;
    }
    if (focus) tab.focus();
  }
  for (const tab of tabs) {
    tab.addEventListener('click', () => selectTab(tab));
    tab.addEventListener('keydown', (event) => {
      if (event.key !== 'ArrowRight' && event.key !== 'ArrowLeft') return;
      selectTab(tabs[(tabs.indexOf(tab) + 1) % tabs.length], true);
    });
  }

  // ---- Help ----
  const help = $('help');
  function showHelp(title, lines) {
    $('help-title').textContent = title;
    $('help-text').replaceChildren(...lines.map((line) => element('p', {}, line)));
    help.showModal();
  }
  $('help-close').addEventListener('click', () => help.close());
  $('main-help-button').addEventListener('click', () => showHelp('Справка', catalog.mainHelp));
  $('problems-help-button').addEventListener('click', () => showHelp('Справка: задачи', catalog.problemHelp));

  // ---- The main window ----
  const typeRows = new Map();  // number -> {check, count, shown}
  function showSample(number) {
    const sample = core.Sample(number);
    if (sample.error !== undefined) {
      showMessages([sample.error]);
      return;
    }
    $('sample-title').textContent = 'Вариант ученика: ' + catalog.types[number - 1].caption;
    $('sample-student').textContent = sample.student.join('\n');
    $('sample-teacher').textContent = sample.teacher.join('\n');
  }
  function showCount(row, count) {
    row.shown.textContent = String(count) === row.count.value.trim() || row.count.value === '' ? '' : '= ' + count;
  }
  const families = catalog.families.map((caption) => {
    const list = element('div');
    const set = element('fieldset', {}, element('legend', {}, caption), list);
    return { set, list, used: false };
  });
  for (const type of catalog.types) {
    const id = 'type-' + type.number;
    const check = element('input', { type: 'checkbox', id, disabled: !type.ready });
    const count = element('input', { class: 'count', inputmode: 'numeric', autocomplete: 'off', disabled: true,
      'aria-label': 'Сколько заданий «' + type.caption + '»' });
    const shown = element('output', { 'aria-live': 'off' });
    const sample = element('button', { type: 'button', disabled: !type.ready,
      'aria-label': 'Образец: ' + type.caption }, 'Образец');
    const row = { check, count, shown };
    check.addEventListener('click', () => { count.disabled = !core.MainCheckBox(type.number); });
    count.addEventListener('input', () => showCount(row, core.MainCountBox(type.number, count.value)));
    sample.addEventListener('click', () => showSample(type.number));
    typeRows.set(type.number, row);
    const family = families[type.family];
    family.used = true;
    family.list.append(element('div', { class: type.ready ? 'row' : 'row unready',
      title: type.ready ? undefined : 'Этот вид заданий ещё не готов' },
      check, element('label', { for: id }, type.caption), count, shown, sample));
  }
  $('types').replaceChildren(...families.filter((f) => f.used).map((f) => f.set));

  const groupCaptions = {
    gcd: 'НОД и НОК', fraction: 'Дроби2+ и Дроби2-', muldiv: 'Дроби2Х и Дроби2:',
    mixed: 'Дроби3+ и Дроби3-', mixedmuldiv: 'Дроби3Х и Дроби3:',
  };
  const radios = new Map();  // group -> [radio, ...]
  for (const group of catalog.groups) {
    const buttons = [];
    const box = element('div', { class: 'group', role: 'radiogroup', 'aria-label': groupCaptions[group.name] },
      element('span', {}, groupCaptions[group.name] + ':'));
    for (let k = 1; k <= group.buttons; ++k) {
      const radio = element('input', { type: 'radio', name: 'level-' + group.name, id: `level-${group.name}-${k}` });
      radio.addEventListener('click', () => { core.MainLevel(group.name, k); showWide(); });
      buttons.push(radio);
      box.append(element('label', {}, radio, String(k)));
    }
    radios.set(group.name, buttons);
    $('levels').append(box);
  }
  function showWide() {
    $('wide-primes').checked = core.MainState().widePrimes;
  }
  // Typing into the count box of "Дроби3:" sets the wide primes for good, as in the window.
  typeRows.get(57).count.addEventListener('input', showWide);
  const mainVariants = $('main-variants');
  mainVariants.addEventListener('input', () => core.MainVariants(mainVariants.value));
  mainVariants.addEventListener('keydown', (event) => { if (event.key === 'Enter') $('main-run').click(); });

  // ---- The word-problem window ----
  const problemChecks = new Map();  // index -> check box
  const problemFamilies = [
    { caption: 'Задачи Z', from: 1, to: 60 },
    { caption: 'Задачи S', from: 61, to: 98 },
    { caption: 'Задачи B', from: 99, to: 230 },
  ];
  function showPreview(problem) {
    const preview = core.ProblemPreview(problem.index);
    if (preview.error !== undefined) {
      showMessages([preview.error]);
      return;
    }
    $('preview').replaceChildren(element('p', { class: 'hint' }, problem.caption),
      ...preview.lines.map((line) => element('p', {}, line)));
  }
  for (const family of problemFamilies) {
    const grid = element('div', { class: 'problem-grid' });
    for (const problem of catalog.problems.slice(family.from - 1, family.to)) {
      const check = element('input', { type: 'checkbox', id: 'problem-' + problem.index, disabled: !problem.ready,
        'aria-label': 'Выбрать ' + problem.caption });
      const button = element('button', { type: 'button', disabled: !problem.ready,
        title: problem.ready ? 'Показать новый вариант' : 'Эта задача ещё не готова' }, problem.caption);
      check.addEventListener('click', () => { check.checked = core.ProblemToggle(problem.index); });
      button.addEventListener('click', () => showPreview(problem));
      problemChecks.set(problem.index, check);
      grid.append(element('div', { class: 'row' }, check, button));
    }
    $('problem-list').append(element('fieldset', {}, element('legend', {}, family.caption), grid));
  }
  const problemVariants = $('problems-variants');
  problemVariants.addEventListener('keydown', (event) => { if (event.key === 'Enter') $('problems-run').click(); });

  const run = { worker: null, files: null, link: '' };

  // ---- Print layout ----
  const layoutFields = {
    perPage: $('layout-per-page'), columns: $('layout-columns'), paper: $('layout-paper'),
    large: $('layout-large'), key: $('layout-key'), title: $('layout-title'),
  };
  function layout() {
    return {
      perPage: layoutFields.perPage.value, columns: layoutFields.columns.value, paper: layoutFields.paper.value,
      large: layoutFields.large.checked, key: layoutFields.key.checked, title: layoutFields.title.value,
    };
  }
  function showLayout(values) {
    layoutFields.perPage.value = values.perPage;
    layoutFields.columns.value = values.columns;
    layoutFields.paper.value = values.paper;
    layoutFields.large.checked = values.large;
    layoutFields.key.checked = values.key;
    layoutFields.title.value = values.title;
  }
  // A title the sheet cannot take is named above the form as it is typed; the sheet prints without it.
  let titleMessage = '';
  layoutFields.title.addEventListener('input', () => {
    const problem = core.TitleProblem(layoutFields.title.value);
    layoutFields.title.setCustomValidity(problem);
    if (problem !== '') {
      titleMessage = problem + ': лист будет напечатан без заголовка.';
      showMessages([titleMessage]);
    } else if (titleMessage !== '' && messages.textContent === titleMessage) {
      titleMessage = '';
      showMessages([]);
    }
  });

  // ---- The fragment ----
  // A set read from the address: the core reads it, names what it could not use, and fills the
  // page as if the teacher had ticked and typed it. The fragment's texts reach the page only as
  // the values of boxes and as message text.
  function showMainSelection(set) {
    for (const [number, row] of typeRows) {
      row.check.checked = false;
      row.count.value = '';
      row.count.disabled = true;
      row.shown.textContent = '';
    }
    for (const count of set.counts) {
      const row = typeRows.get(count.type);
      row.check.checked = true;
      row.count.disabled = false;
      row.count.value = count.text;
      showCount(row, count.count);
    }
    for (const buttons of radios.values()) for (const radio of buttons) radio.checked = false;
    for (const level of set.levels) radios.get(level.group)[level.button - 1].checked = true;
    mainVariants.value = set.variants;
    $('main-seed').value = set.seed === undefined ? '' : String(set.seed);
    showWide();
  }
  function showProblemSelection(set) {
    const selected = new Set(set.problems);
    for (const [index, check] of problemChecks) check.checked = selected.has(index);
    problemVariants.value = set.variants;
    $('problems-seed').value = set.seed === undefined ? '' : String(set.seed);
  }
  function applyFragment() {
    if (location.hash === '' || location.hash === '#') return;
    const set = core.ReadSet(location.hash);
    showMessages(set.refused.map((text) => 'В ссылке пропущено: ' + text));
    if (set.kind === 'main') showMainSelection(set); else showProblemSelection(set);
    showLayout(set.layout);
    selectTab(set.kind === 'main' ? tabs[0] : tabs[1]);
  }
  window.addEventListener('hashchange', () => {
    if (location.hash.slice(1) !== run.link) applyFragment();
  });

  // ---- A run ----

  const workerUrl = URL.createObjectURL(new Blob(
    [$('core').textContent, '\n', $('worker').textContent], { type: 'text/javascript' }));
  function seedOf(field) {
    const text = field.value.trim();
    if (text === '') return randomSeed();
    const seed = Number(text);
    if (!/^[0-9]+$/.test(text) || seed > 4294967295) {
      showMessages(['Начальное число должно быть целым от 0 до 4294967295: «' + text + '» не подходит.']);
      return null;
    }
    return seed;
  }
  function setRunButtons(state) {
    $('run').hidden = false;
    $('run-cancel').hidden = state !== 'running';
    for (const id of ['download-student', 'download-teacher', 'print-student', 'print-teacher', 'copy-link'])
      $(id).hidden = state !== 'done';
    $('link').hidden = state !== 'done' || $('link').value === '';
    $('main-run').disabled = $('problems-run').disabled = state === 'running';
  }
  function startRun(kind) {
    const seed = seedOf(kind === 'main' ? $('main-seed') : $('problems-seed'));
    if (seed === null) return;
    showMessages([]);
    const job = kind === 'main'
      ? { kind, seed, state: core.MainState() }
      : { kind, seed, selected: core.ProblemSelection(), variantsText: problemVariants.value };
    run.link = core.SetOfPage(kind, seed, kind === 'main' ? '' : problemVariants.value, layout());
    run.files = null;
    $('link-status').textContent = '';
    const worker = new Worker(workerUrl);
    run.worker = worker;
    $('run-status').textContent = 'Запуск…';
    setRunButtons('running');
    worker.onmessage = (event) => {
      if (run.worker !== worker) return;
      const message = event.data;
      if (message.kind === 'progress') {
        $('run-status').textContent = `Записано вариантов: ${message.written} из ${message.total}`;
        return;
      }
      worker.terminate();
      run.worker = null;
      if (message.kind === 'failed') {
        $('run-status').textContent = message.text;
        setRunButtons('failed');
        return;
      }
      run.files = {
        student: { name: message.studentName, bytes: message.student },
        teacher: { name: message.teacherName, bytes: message.teacher },
        kind,
      };
      $('run-status').textContent = `Записано вариантов: ${message.written} из ${message.asked}. ` +
        `Готово за ${(message.milliseconds / 1000).toFixed(2)} с.`;
      $('run-status').dataset.milliseconds = String(message.milliseconds);
      $('link').value = run.link ? location.href.split('#')[0] + '#' + run.link : '';
      setRunButtons('done');
    };
    worker.onerror = (event) => {
      if (run.worker !== worker) return;
      event.preventDefault();
      worker.terminate();
      run.worker = null;
      $('run-status').textContent = 'Ошибка: ' + (event.message || 'работа остановилась');
      setRunButtons('failed');
    };
    worker.postMessage(job);
  }
  $('main-run').addEventListener('click', () => startRun('main'));
  $('problems-run').addEventListener('click', () => startRun('problems'));
  $('run-cancel').addEventListener('click', () => {
    if (run.worker === null) return;
    run.worker.terminate();
    run.worker = null;
    $('run-status').textContent = $('run-status').textContent.replace(/^Записано/, 'Остановлено: записано') +
      '. Файлы не сохранены.';
    setRunButtons('cancelled');
  });

  function download(file) {
    const url = URL.createObjectURL(new Blob([file.bytes], { type: 'text/plain;charset=windows-1251' }));
    const link = element('a', { href: url, download: file.name });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }
  $('download-student').addEventListener('click', () => download(run.files.student));
  $('download-teacher').addEventListener('click', () => download(run.files.teacher));
  MathsheetsDocx.attach({ core, files: () => run.files, layout, showMessages });

  $('copy-link').addEventListener('click', async () => {
    const link = $('link').value;
    history.replaceState(null, '', '#' + run.link);
    try {
      await navigator.clipboard.writeText(link);
      $('link-status').textContent = '(скопирована)';
    } catch {
      $('link-status').textContent = '(скопируйте её отсюда)';
    }
    $('link').hidden = false;
  });

  // ---- The printed sheet ----
  // The paper size is a rule of the page's own style sheet, changed through the style sheet's
  // interface (the policy allows no style written into the page).
  const pageRule = (() => {
    const sheet = document.styleSheets[0];
    sheet.insertRule('@page { size: 210mm 297mm; margin: 0; }', sheet.cssRules.length);
    return sheet.cssRules[sheet.cssRules.length - 1];
  })();
  function setPaper(paper) {
    pageRule.style.setProperty('size', paper === 'a5' ? '148mm 210mm' : '210mm 297mm');
  }
  // The pages come from the core's layout, the same as the PDF's, as SVG whose every text the core
  // has escaped; they are put in a few at a time, so that a long sheet shows its first pages at
  // once and the page stays responsive while the rest follow.
  const nextFrame = () => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
  let printing = 0;  // the number of the latest print view: an older one stops putting in pages
  async function showPrint(teacher) {
    const files = run.files;
    const chosen = layout();
    const titleProblem = core.TitleProblem(chosen.title);
    if (titleProblem !== '') {
      showMessages([titleProblem + ': лист будет напечатан без заголовка.']);
      chosen.title = '';
    }
    const mine = ++printing;
    const status = $('print-status');
    const sheet = $('print-sheet');
    sheet.replaceChildren();
    status.textContent = 'Готовим страницы…';
    $('print-view').hidden = false;
    document.body.classList.add('printing');
    await nextFrame();
    const laid = core.PrintPages(files.student.bytes, files.teacher.bytes, teacher, chosen);
    setPaper(chosen.paper);
    const total = laid.pages.length;
    for (let done = 0; done < total && mine === printing;) {
      const step = done === 0 ? 2 : 12;
      sheet.insertAdjacentHTML('beforeend', laid.pages.slice(done, done + step).join(''));
      done = Math.min(total, done + step);
      status.textContent = 'Страница ' + done + ' из ' + total;
      await nextFrame();
    }
    if (mine !== printing) return;
    await document.fonts.ready;
    status.textContent = 'Страниц: ' + total;
    sheet.dataset.pages = String(total);
    window.print();
  }
  $('print-student').addEventListener('click', () => showPrint(false));
  $('print-teacher').addEventListener('click', () => showPrint(true));
  $('print-again').addEventListener('click', () => window.print());
  $('print-close').addEventListener('click', () => {
    ++printing;
    $('print-view').hidden = true;
    $('print-sheet').replaceChildren();
    document.body.classList.remove('printing');
  });

  // The pupils' dialog and the results tab judge against the set of the last run, or else of the
  // address.
  startResults({ core, element, currentSet: () => (run.files ? run.link : location.hash.slice(1)) });
  // A pupils' link opens the pupil's page instead of the teacher's.
  const pupilPage = startPupil({ core, element, showMessages });
  $('loading').remove();
  selectTab(tabs[0]);
  if (!pupilPage) applyFragment();
  document.documentElement.dataset.ready = 'true';
})().catch((error) => {
  const box = document.getElementById('messages');
  box.textContent = 'Страница не смогла запуститься: ' + error;
  box.hidden = false;
});
