// The teacher's side of the pupils' work: the "Работа для учеников…" dialog that makes the pupils'
// link of the set, and the "Результаты" tab that reads their result codes out of any pasted text
// into a table, a CSV and a printout. Nothing is stored or sent: the codes live in the text box.
// Everything a pupil typed (names, classes) and everything pasted is only ever set as text.
'use strict';

// Called by the page once its core is running: `currentSet()` is the set of the last run, or of
// the address, as the text of a fragment.
function startResults({ core, element, currentSet }) {
  const $ = (id) => document.getElementById(id);
  const defaultMarks = [90, 70, 50];
  let lastMarks = null;  // the marks last chosen in the dialog, for the tab

  function marksFields(prefix, values) {
    const inputs = values.map((value, k) => element('input', {
      id: `${prefix}-mark-${5 - k}`, type: 'number', min: 0, max: 100, step: 1, inputmode: 'numeric',
      value: String(value), class: 'percent', 'aria-label': `«${5 - k}» от, %` }));
    const line = element('span', { class: 'marks' }, 'Отметки: «5» от ', inputs[0], ' %, «4» от ', inputs[1],
      ' %, «3» от ', inputs[2], ' %, ниже — «2»');
    return { inputs, line, values: () => inputs.map((input) => Number(input.value)) };
  }

  // ---- The dialog ----
  const honesty = 'Это режим для тренировки и домашней работы: страница сама вычисляет ответы, поэтому ' +
    'ученик, открывший инструменты разработчика браузера, может их найти, а тот, кто разберётся в устройстве ' +
    'кода, может его подделать. Оценочные контрольные работы проводите на бумаге.';
  const reveal = element('input', { type: 'checkbox', id: 'pupils-reveal' });
  const dialogMarks = marksFields('pupils', defaultMarks);
  const variant = element('input', { id: 'pupils-variant', class: 'variant', inputmode: 'numeric',
    autocomplete: 'off', placeholder: 'любой' });
  const link = element('output', { id: 'pupils-link', class: 'link' });
  const status = element('span', { id: 'pupils-status', role: 'status' });
  const copy = element('button', { id: 'pupils-copy', type: 'button' }, 'Скопировать ссылку');
  const close = element('button', { id: 'pupils-close', type: 'button' }, 'Закрыть');
  const problem = element('p', { id: 'pupils-problem', class: 'problem', role: 'alert', hidden: true });
  const dialog = element('dialog', { id: 'pupils', 'aria-labelledby': 'pupils-title' },
    element('h2', { id: 'pupils-title' }, 'Работа для учеников'),
    element('p', {}, 'Ученики решают этот лист на экране: пишут фамилию, имя и класс, выбирают вариант, вводят ' +
      'ответы и нажимают «Проверить». Страница сразу показывает, что верно, и даёт короткий код для учителя; ' +
      'коды учеников вставьте на вкладке «Результаты».'),
    element('div', { class: 'pupils-choices' },
      element('label', {}, reveal, ' Показывать верные ответы после проверки'),
      dialogMarks.line,
      element('label', {}, 'Вариант для всех: ', variant, ' (пусто — ученик выбирает сам)')),
    problem,
    element('p', {}, link),
    element('p', {}, copy, ' ', status),
    element('p', {}, 'Дайте ученикам этот же файл страницы и часть ссылки от знака «#»: её дописывают в ' +
      'адресную строку после адреса файла. Если файл лежит на сайте школы, отправьте ссылку целиком.'),
    element('p', { class: 'honesty' }, honesty),
    element('p', {}, close));
  document.body.append(dialog);

  function showLink() {
    status.textContent = '';
    const set = currentSet();
    let made = null;
    if (!set) {
      made = { error: 'Сначала нажмите «Выполнить» на вкладке «Задания» или «Задачи» или откройте ссылку ' +
        'на набор: ученикам дают листы того набора, что получился.' };
    } else {
      const text = variant.value.trim();
      const chosen = text === '' ? 0 : /^[0-9]{1,4}$/.test(text) ? Number(text) : -1;
      made = core.PupilLink(set, reveal.checked, ...dialogMarks.values(), chosen);
    }
    problem.hidden = made.error === undefined;
    problem.textContent = made.error ?? '';
    link.value = made.error === undefined ? location.href.split('#')[0] + '#' + made.link : '';
    copy.disabled = made.error !== undefined;
    if (made.error === undefined) lastMarks = dialogMarks.values();
  }
  for (const input of [reveal, variant, ...dialogMarks.inputs]) input.addEventListener('input', showLink);
  $('pupils-button').addEventListener('click', () => {
    showLink();
    dialog.showModal();
  });
  copy.addEventListener('click', async () => {
    try {
      await navigator.clipboard.writeText(link.value);
      status.textContent = 'Ссылка скопирована.';
    } catch {
      const range = document.createRange();
      range.selectNodeContents(link);
      getSelection().removeAllRanges();
      getSelection().addRange(range);
      status.textContent = 'Скопируйте выделенную ссылку (Ctrl+C).';
    }
  });
  close.addEventListener('click', () => dialog.close());

  // ---- The results tab ----
  const tabMarks = marksFields('results', defaultMarks);
  const caption = element('p', { id: 'results-set', class: 'set' });
  // Lines unwrapped: a pasted chat of ten thousand lines is laid out in half the time.
  const pasted = element('textarea', { id: 'results-paste', rows: 6, wrap: 'off', spellcheck: 'false', autocomplete: 'off',
    placeholder: 'Например: Иванов Петя, 5А: 1ABCD-EFGH2-…' });
  const summary = element('p', { id: 'results-summary', role: 'status' });
  // The rows go in tables of 200 under the header's, their columns fixed alike: a chunk off the
  // screen is not laid out, so thousands of rows show at once.
  const columns = ['Класс', 'Фамилия, имя', 'Вариант', 'Верно', 'Из', 'Отметка', 'Ошибки'];
  const chunkRows = 200;
  const colgroup = () => element('colgroup', {}, ...columns.map(() => element('col')));
  const header = (hidden) => element('thead', { class: hidden ? 'hidden-head' : undefined },
    element('tr', {}, ...columns.map((c) => element('th', { scope: 'col' }, c))));
  const tableCaption = element('caption', {}, 'Результаты учеников');
  const table = element('table', { id: 'results-table', class: 'results' }, tableCaption, colgroup(), header(false));
  const body = element('div', { id: 'results-rows' });
  const empty = element('p', { class: 'empty' }, 'Пока ни одного кода.');
  const refused = element('ul', { id: 'results-refused', class: 'refused' });
  const refusedTitle = element('h3', { id: 'results-refused-title', hidden: true }, 'Не приняты');
  const download = element('button', { id: 'results-download', type: 'button', disabled: true }, 'Скачать таблицу');
  const print = element('button', { id: 'results-print', type: 'button', disabled: true }, 'Печать таблицы');
  $('results').append(
    element('div', { class: 'results-controls' },
      element('h2', {}, 'Результаты учеников'),
      caption,
      element('p', {}, tabMarks.line),
      element('label', { for: 'results-paste', class: 'paste-label' },
        'Вставьте коды учеников — можно всю переписку из чата или письма целиком:'),
      pasted,
      element('p', { class: 'toolbar' }, download, print),
      element('p', { class: 'note' }, 'Коды разбираются здесь же, на этом компьютере: ничего не сохраняется и ' +
        'никуда не отправляется. После перезагрузки страницы таблица пуста.')),
    summary, element('div', { class: 'table-scroll' }, table, body), empty, refusedTitle, refused);

  let openSet = null;  // the set the codes are judged against
  function openResults() {
    const set = currentSet();
    if (set === openSet) return;
    openSet = set;
    const opened = set ? core.ResultsOpen(set) : { error: 'Нет набора: откройте ссылку на лист или нажмите ' +
      '«Выполнить» на вкладке «Задания» или «Задачи». Коды сверяются с листами этого набора.' };
    pasted.disabled = opened.error !== undefined;
    if (opened.error !== undefined) {
      openSet = null;
      caption.textContent = opened.error;
    } else {
      caption.replaceChildren('Набор: ', element('code', {}, opened.caption),
        ` (вариантов: ${opened.variants})`);
      tableCaption.textContent = 'Результаты учеников. Набор: ' + opened.caption;
      const marks = opened.marks.join(',') !== defaultMarks.join(',') ? opened.marks : lastMarks ?? opened.marks;
      marks.forEach((value, k) => { tabMarks.inputs[k].value = String(value); });
    }
    readCodes();
  }

  function readCodes() {
    if (openSet === null) {
      body.replaceChildren();
      empty.hidden = false;
      refused.replaceChildren();
      refusedTitle.hidden = true;
      summary.textContent = '';
      download.disabled = print.disabled = true;
      return;
    }
    const result = JSON.parse(core.ResultsRead(pasted.value, ...tabMarks.values()));
    const chunks = document.createDocumentFragment();
    for (let start = 0; start < result.rows.length; start += chunkRows) {
      const rows = element('tbody');
      for (const row of result.rows.slice(start, start + chunkRows)) {
        // Plain DOM calls: ten thousand rows are seventy thousand cells.
        const line = document.createElement('tr');
        line.title = row.code;
        for (const cell of [row.className, row.name, row.variant, row.right, row.total, row.mark || '—', row.wrong]) {
          const td = document.createElement('td');
          td.textContent = String(cell);
          line.append(td);
        }
        rows.append(line);
      }
      chunks.append(element('div', { class: 'rows-chunk' }, element('table', { class: 'results',
        'aria-label': `Строки ${start + 1}–${start + rows.children.length}` }, colgroup(), header(true), rows)));
    }
    body.replaceChildren(chunks);
    empty.hidden = result.rows.length > 0;
    const apart = document.createDocumentFragment();
    for (const code of result.refused)
      apart.append(element('li', {}, element('code', {}, code.code), ' — ' + code.reason));
    refused.replaceChildren(apart);
    refusedTitle.hidden = result.refused.length === 0;
    refusedTitle.textContent = `Не приняты (${result.refused.length})`;
    const parts = [`Учеников в таблице: ${result.rows.length}.`];
    if (result.repeated > 0) parts.push(`Повторно вставленных кодов: ${result.repeated} (учтены один раз).`);
    if (result.replaced > 0) parts.push(`Более ранних проверок, заменённых поздними: ${result.replaced}.`);
    summary.textContent = pasted.value.trim() === '' ? '' : parts.join(' ');
    download.disabled = print.disabled = result.rows.length === 0;
  }

  // A paste is read at once; typing into a long text, once the typing pauses.
  let pending = 0;
  let lastRead = 0;
  let lastLength = 0;
  pasted.addEventListener('input', () => {
    clearTimeout(pending);
    const typing = Math.abs(pasted.value.length - lastLength) < 20;
    lastLength = pasted.value.length;
    pending = setTimeout(() => {
      const started = performance.now();
      readCodes();
      lastRead = performance.now() - started;
    }, typing && lastRead > 100 ? 200 : 0);
  });
  for (const input of tabMarks.inputs) input.addEventListener('input', readCodes);

  download.addEventListener('click', () => {
    const url = URL.createObjectURL(new Blob(['\uFEFF' + core.ResultsCsv()], { type: 'text/csv;charset=utf-8' }));
    const anchor = element('a', { href: url, download: 'результаты.csv' });
    document.body.append(anchor);
    anchor.click();
    anchor.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  });
  // Printed, the tab is its table alone; the print dialog holds the page until it is closed.
  print.addEventListener('click', () => {
    document.body.classList.add('printing-results');
    window.print();
    document.body.classList.remove('printing-results');
  });

  // The tab reads the page's set whenever it is shown: a run since may have changed it.
  new MutationObserver(() => { if (!$('results').hidden) openResults(); })
    .observe($('results'), { attributes: true, attributeFilter: ['hidden'] });
}
