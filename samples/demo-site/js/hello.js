// ページにお知らせを書き込む
document.write('<p class="note">このお知らせはスクリプトが書きました。</p>');
